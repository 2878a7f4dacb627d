#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace norvane {

void setCurrentThreadPriority(int level) {
  int nice;
  if (level <= -15) nice = 19;
  else if (level == -2) nice = 10;
  else if (level == -1) nice = 5;
  else if (level == 0) return;
  else if (level == 1) nice = -5;
  else if (level == 2) nice = -10;
  else nice = -20;
  // On Linux a thread id names one thread for setpriority; raising needs privileges, and a
  // refusal leaves the thread at its priority, which is all a caller can expect.
  (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), nice);
}

}  // namespace norvane
