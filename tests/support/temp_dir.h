#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it
// (never following links) when the object goes away.
#include <string>

namespace norvane::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, without a trailing separator.
  const std::string& path() const { return path_; }
  // path() + "/" + relative
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  // Creates the file (and its parent folders) with the given content; returns its path.
  std::string writeFile(const std::string& relative, const std::string& content = "") const;
  // Creates the folder and its parents; returns its path.
  std::string makeDir(const std::string& relative) const;

 private:
  std::string path_;
};

// The whole content of a file, byte for byte ("" when it can't be read).
std::string readWholeFile(const std::string& path);

}  // namespace norvane::test
