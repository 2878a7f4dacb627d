#include "core/uninstall/registration.h"

namespace norvane {

const char* rootKeyName(RegistrationRoot root) {
  return root == RegistrationRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

}  // namespace norvane
