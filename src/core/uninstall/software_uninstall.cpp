#include "core/uninstall/software_uninstall.h"

namespace norvane {

SoftwareUninstall::SoftwareUninstall(UninstallList& list, ProcessRunner& runner)
    : list_(list), runner_(runner) {
  runner_.onTerminate = [this](ProcessRunner&, std::uint32_t) { list_.refresh(); };
}

void SoftwareUninstall::uninstallSelected() {
  runner_.setCommandLine(list_.selectedUninstallString());
  runner_.start();
}

void SoftwareUninstall::deleteSelectedRegistration() { list_.deleteSelectedRegistration(); }

}  // namespace norvane
