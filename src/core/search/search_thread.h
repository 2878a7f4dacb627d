#pragma once
// The worker thread of a threaded search: runs the walk and posts the completion back to the
// component's event loop.
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace norvane {

class FindFile;
class EventLoop;

class SearchThread {
 public:
  // Starts the walk of `findFile` at the component's priority; `completion` runs on the
  // event loop's thread once the walk is over.
  SearchThread(FindFile* findFile, EventLoop& loop, std::function<void()> completion);
  // Waits for the thread to end.
  ~SearchThread();
  SearchThread(const SearchThread&) = delete;
  SearchThread& operator=(const SearchThread&) = delete;

  // The text of the error that ended the walk, or "" (read after the thread has ended).
  const std::string& ErrorText() const { return errorText_; }
  void WaitFor();

 private:
  void Execute(EventLoop& loop, std::function<void()> completion);

  FindFile* search_;
  std::string errorText_;
  std::thread thread_;
};

}  // namespace norvane
