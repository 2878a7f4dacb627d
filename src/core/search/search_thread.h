#pragma once
// The worker thread of a threaded search: runs the walk and posts the completion back to the
// component's event loop.
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace norvane {

class TFindFile;
class EventLoop;

class TSearchThread {
 public:
  // Starts the walk of `findFile` at the component's priority; `completion` runs on the
  // event loop's thread once the walk is over.
  TSearchThread(TFindFile* findFile, EventLoop& loop, std::function<void()> completion);
  // Waits for the thread to end.
  ~TSearchThread();
  TSearchThread(const TSearchThread&) = delete;
  TSearchThread& operator=(const TSearchThread&) = delete;

  // The text of the error that ended the walk, or "" (read after the thread has ended).
  const std::string& ErrorText() const { return errorText_; }
  void WaitFor();

 private:
  void Execute(EventLoop& loop, std::function<void()> completion);

  TFindFile* FindFile;
  std::string errorText_;
  std::thread thread_;
};

}  // namespace norvane
