#pragma once
// The list of uninstall registrations behind the page "软件卸载", without any widget: the
// entries with their settings, the selection and what the commands read from it. A list
// widget shows entries() and passes the user's selection to select().
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/uninstall/registration_store.h"

namespace norvane {

// What the list keeps of one registration.
struct UninstallInfo {
  std::string keyPath;
  RegistrationRoot rootKey = RegistrationRoot::CurrentUser;
  std::vector<std::string> valueLines;  // "name=text", in the store's order
  std::string rootKeyName;
};

struct UninstallEntry {
  std::string displayName;
  UninstallInfo info;
};

class UninstallList {
 public:
  // Which roots the list reads.
  enum DisplayMode : unsigned { kCurrentUser = 1, kLocalMachine = 2, kBothRoots = 3 };

  explicit UninstallList(std::shared_ptr<RegistrationStore> store);

  // Setting one of these three to a new value refreshes the entries, once they have been
  // built: before the first refresh() the settings are the list's design values and read
  // nothing.
  unsigned displayMode() const { return displayMode_; }
  void setDisplayMode(unsigned value);
  // Entries without a display name are listed too, under their registration's name.
  bool showAll() const { return showAll_; }
  void setShowAll(bool value);
  // Values with empty text get a line too.
  bool showEmptyValues() const { return showEmptyValues_; }
  void setShowEmptyValues(bool value);
  // Entries ordered by display name (without regard to case); turning it off keeps the order.
  bool sorted() const { return sorted_; }
  void setSorted(bool value);

  // Called after the entries or the selection changed here (not for select()).
  std::function<void()> onChanged;

  // Rebuilds the entries: the current user's, then the machine's, each root's in reverse
  // enumeration order. The entry at the index selected before is selected again, or the
  // first when that index is gone or nothing was selected.
  void refresh();

  const std::vector<UninstallEntry>& entries() const { return entries_; }
  int selectedIndex() const { return selected_; }
  // -1 (or any index out of range) selects nothing.
  void select(int index);

  // The "UninstallString" line's text of the selected entry (name without regard to case);
  // "" when nothing is selected or it has none.
  std::string selectedUninstallString() const;
  // "" when nothing is selected.
  std::string selectedKeyPath() const;
  // 0 when nothing is selected.
  std::uint32_t selectedRootKey() const;

  // Deletes the selected entry's registration, when there is one and it can be deleted,
  // then refreshes in every case. Reports nothing.
  void deleteSelectedRegistration();

 private:
  void sortEntries();
  void changed();

  std::shared_ptr<RegistrationStore> store_;
  unsigned displayMode_ = kBothRoots;
  bool showAll_ = false;
  bool showEmptyValues_ = false;
  bool sorted_ = false;
  std::vector<UninstallEntry> entries_;
  int selected_ = -1;
  bool built_ = false;
};

}  // namespace norvane
