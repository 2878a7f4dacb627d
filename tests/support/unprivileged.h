#pragma once
// Running part of a test without the super-user's rights, for checks of what permissions
// refuse. Started as root, the body runs in a child process as "nobody".
#include <functional>
#include <string>

namespace norvane::test {

// Runs `body` in a child process without root's rights and returns its exit status; 100 when
// the rights could not be dropped, 101 when the child did not exit normally.
int runUnprivileged(const std::function<int()>& body);

// True when such a child can reach `path`. Not so where a folder above it is private to root,
// as the root folder of some chroots is.
bool unprivilegedCanReach(const std::string& path);

}  // namespace norvane::test
