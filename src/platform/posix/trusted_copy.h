#pragma once
// A program copied to where only its owner can change it, for code that runs with the owner's
// rights later (the pending-delete helper that root runs at boot).
#include <sys/types.h>

#include <string>

namespace norvane {

// Copies the file `source` to the absolute path `target`, mode 0755. Every folder from the
// root down to the target's folder is opened without following a link and must belong to root
// or `owner`; none may be writable by anyone else, except that an ancestor may be a sticky
// folder (such as /tmp), where nobody can replace another's entry. Missing folders are made
// with mode 0755. A target that already holds the same bytes, belongs to `owner` or root, has
// mode 0755 and no other name is left as it is; otherwise the copy replaces it atomically.
// Returns 0, EPERM when a folder or the old target is not trusted, or an errno-style code.
int installTrustedCopy(const std::string& source, const std::string& target, uid_t owner);

}  // namespace norvane
