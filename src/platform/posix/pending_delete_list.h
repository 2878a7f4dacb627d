#pragma once
// The durable list of files to delete at the next start: a text file with one path per line.
// A backslash, a line feed and a carriage return inside a path are written as "\\", "\n" and
// "\r", so every path, whatever its bytes, fits on one line and reads back unchanged.
// Writers and the helper that carries the list out serialise on "<list>.lock" (flock).
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace norvane {

class PendingDeleteList {
 public:
  explicit PendingDeleteList(std::string listPath);

  const std::string& path() const { return path_; }
  // Where the helper keeps the entries it is carrying out, so registrations made meanwhile
  // go to a fresh list.
  std::string workPath() const { return path_ + ".work"; }
  std::string lockPath() const { return path_ + ".lock"; }
  std::string runLockPath() const { return path_ + ".run"; }

  // Held by the one helper run that carries the list out; a second run at the same time
  // finds it taken and leaves the list alone.
  class RunLock {
   public:
    explicit RunLock(const PendingDeleteList& list);
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;
    bool held() const { return fd_ >= 0; }

   private:
    int fd_ = -1;
  };

  // Adds one line for `path`; the line is on disk when this returns. `first`, when given, runs
  // under the list's lock before the line is written, and a failure of it (an errno code)
  // writes nothing: the registration sets up the helper's launcher there, so the helper can't
  // remove it in between. 0 or an errno code.
  int append(const std::string& path, const std::function<int()>& first = {});
  // For the helper: runs `action` under the list's lock when nothing is listed (no entry and
  // no work list), and gives its result; 0 when something is listed.
  int whenEmpty(const std::function<int()>& action);
  // The paths now listed, in order (a torn last line is left out). Empty when there is none.
  std::vector<std::string> entries() const;

  // For the helper: renames the list to workPath() under the lock. True when there was a list
  // to take. A work list left by an interrupted run must be finished first.
  bool takeForWork(int& error);
  // The paths in the work list.
  std::vector<std::string> workEntries() const;
  // Removes the work list once its entries have been carried out.
  int finishWork();

  static std::string escapeLine(const std::string& path);
  // nullopt for a line that is not a valid escaped path.
  static std::optional<std::string> unescapeLine(const std::string& line);
  // Splits list content into paths; an unterminated last line is a torn write and skipped,
  // since a cut-off path could name another file.
  static std::vector<std::string> parse(const std::string& content);

 private:
  std::string path_;
};

}  // namespace norvane
