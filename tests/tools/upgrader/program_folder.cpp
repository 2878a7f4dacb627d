#include "tools/upgrader/program_folder.h"

#include <sys/stat.h>

#include "tools/upgrader/child_process.h"

namespace norvane::test {

bool pathExists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

ProgramFolder::ProgramFolder(const std::string& companion) {
  appDir_ = dir_.path() + "/";
  copyExecutable(companion, appDir_ + "~upgrader");
  dir_.writeFile(
      "prog",
      "#!/bin/sh\nread -r stat < /proc/$$/stat\necho \"$stat\" >> \"$(dirname \"$0\")/started\"\n");
  ::chmod(path("prog").c_str(), 0755);
  dir_.writeFile("a.txt", "old a");
  dir_.writeFile("a.txt.~up", "new a");
  dir_.writeFile("lib/b.txt", "old b");
  dir_.writeFile("lib/b.txt.~up", "new b");
  dir_.writeFile("new/c.txt.~up", "new c");
  dir_.writeFile("~finished.file", "0=" + path("a.txt") + "\r\n0=" + path("lib/b.txt") + "\r\n1=" +
                                       path("new/") + "\r\n0=" + path("new/c.txt") + "\r\n");
}

bool ProgramFolder::allOld() const {
  return readWholeFile(path("a.txt")) == "old a" && readWholeFile(path("lib/b.txt")) == "old b" &&
         !pathExists(path("new/c.txt"));
}

bool ProgramFolder::allNew() const {
  return readWholeFile(path("a.txt")) == "new a" && readWholeFile(path("lib/b.txt")) == "new b" &&
         readWholeFile(path("new/c.txt")) == "new c";
}

bool ProgramFolder::clean() const {
  for (const char* name :
       {"a.txt.~up", "a.txt.~bf", "lib/b.txt.~up", "lib/b.txt.~bf", "new/c.txt.~up",
        "new/c.txt.~bf", "~finished.file", "~finished.done", "~finished.tmp"}) {
    if (pathExists(path(name))) return false;
  }
  return true;
}

bool ProgramFolder::started() const { return pathExists(path("started")); }

std::string ProgramFolder::describe() const {
  std::string text;
  for (const char* name :
       {"a.txt", "a.txt.~up", "a.txt.~bf", "lib/b.txt", "lib/b.txt.~up", "lib/b.txt.~bf",
        "new/c.txt", "new/c.txt.~up", "~finished.file", "~finished.done"}) {
    text += std::string(name) + (pathExists(path(name)) ? "=" + readWholeFile(path(name)) : " -") +
            "; ";
  }
  return text;
}

}  // namespace norvane::test
