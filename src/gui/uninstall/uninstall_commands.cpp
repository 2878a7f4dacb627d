#include "gui/uninstall/uninstall_commands.h"

#include <string>
#include <vector>

#include "core/uninstall/desktop_registrations.h"
#include "gui/uninstall/uninstall_page.h"

namespace norvane {

namespace {

std::shared_ptr<RegistrationStore> registrationsOf(const Platform& platform) {
  return std::make_shared<DesktopRegistrations>(platform.desktopFiles, platform.desktopEnvironment,
                                                platform.packageDatabase,
                                                platform.processLauncher->startsAsSuperUser());
}

}  // namespace

UninstallCommands::UninstallCommands(UninstallPage& page, const Platform& platform, QObject* parent)
    : QObject(parent),
      page_(page),
      list_(registrationsOf(platform)),
      runner_(platform.processLauncher, loop_),
      commands_(list_, runner_) {
  setObjectName(QStringLiteral("uninstallCommands"));
  // The page's list is designed to keep values with empty text (set before any entry exists,
  // so nothing is read yet).
  list_.setShowEmptyValues(true);
  list_.onChanged = [this] { showEntries(); };
  connect(&page_, &UninstallPage::programSelected, this,
          [this](int index) { list_.select(index); });
  // The entries are first built when the page is first shown; later visits keep them.
  connect(&page_, &UninstallPage::firstShown, this, [this] { list_.refresh(); });
}

void UninstallCommands::uninstallSelected() { commands_.uninstallSelected(); }

void UninstallCommands::deleteSelectedRegistration() { commands_.deleteSelectedRegistration(); }

void UninstallCommands::showEntries() {
  std::vector<std::string> names;
  names.reserve(list_.entries().size());
  for (const UninstallEntry& entry : list_.entries()) names.push_back(entry.displayName);
  page_.showPrograms(names, list_.selectedIndex());
}

}  // namespace norvane
