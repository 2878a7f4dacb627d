#include "support/unprivileged.h"

#include <sys/stat.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace norvane::test {

int runUnprivileged(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    constexpr uid_t kNobody = 65534;
    if (geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(100);
    }
    _exit(body());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return 101;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

bool unprivilegedCanReach(const std::string& path) {
  return runUnprivileged([&] {
           struct stat st;
           return ::stat(path.c_str(), &st) == 0 ? 0 : 1;
         }) == 0;
}

}  // namespace norvane::test
