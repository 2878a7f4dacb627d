#pragma once
// A program folder as the handover leaves it: the companion "~upgrader", a program "prog" that
// notes each start (with its /proc stat line) in "started", and an update of three files, two
// replacing old ones and one new in a new folder, with its marker "~finished.file".
#include <string>

#include "support/temp_dir.h"

namespace norvane::test {

class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& companion);

  const std::string& appDir() const { return appDir_; }
  std::string path(const std::string& name) const { return appDir_ + name; }
  std::string companion() const { return appDir_ + "~upgrader"; }

  bool allOld() const;
  bool allNew() const;
  // No ".~up", ".~bf" or marker file is left.
  bool clean() const;
  bool started() const;
  std::string describe() const;

 private:
  TempDir dir_;
  std::string appDir_;
};

bool pathExists(const std::string& path);

}  // namespace norvane::test
