#include "core/uninstall/uninstall_list.h"

#include <algorithm>
#include <string_view>

namespace norvane {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lowerAscii(x) == lowerAscii(y);
         });
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(lowerAscii(x)) < static_cast<unsigned char>(lowerAscii(y));
  });
}

std::string valueText(const Registration& r, std::string_view name) {
  for (const auto& v : r.values)
    if (equalsIgnoringCase(v.name, name)) return v.text;
  return {};
}

}  // namespace

UninstallList::UninstallList(std::shared_ptr<RegistrationStore> store) : store_(std::move(store)) {}

void UninstallList::setDisplayMode(unsigned value) {
  if (value == displayMode_) return;
  displayMode_ = value;
  if (built_) refresh();
}

void UninstallList::setShowAll(bool value) {
  if (value == showAll_) return;
  showAll_ = value;
  if (built_) refresh();
}

void UninstallList::setShowEmptyValues(bool value) {
  if (value == showEmptyValues_) return;
  showEmptyValues_ = value;
  if (built_) refresh();
}

void UninstallList::setSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  if (!sorted_) return;
  sortEntries();
  changed();
}

void UninstallList::sortEntries() {
  // Keep the selected entry selected where it moves to.
  std::vector<std::size_t> order(entries_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return lessIgnoringCase(entries_[a].displayName, entries_[b].displayName);
  });
  std::vector<UninstallEntry> sorted;
  sorted.reserve(entries_.size());
  int selected = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (static_cast<int>(order[i]) == selected_) selected = static_cast<int>(i);
    sorted.push_back(std::move(entries_[order[i]]));
  }
  entries_ = std::move(sorted);
  selected_ = selected;
}

void UninstallList::refresh() {
  const int remembered = selected_;
  built_ = true;
  entries_.clear();
  selected_ = -1;

  std::vector<RegistrationRoot> roots;
  if (displayMode_ & kCurrentUser) roots.push_back(RegistrationRoot::CurrentUser);
  if (displayMode_ & kLocalMachine) roots.push_back(RegistrationRoot::LocalMachine);
  const std::vector<Registration> registrations =
      roots.empty() ? std::vector<Registration>() : store_->list(roots);

  // Each root's registrations are taken from the last to the first.
  for (RegistrationRoot root : roots) {
    for (auto r = registrations.rbegin(); r != registrations.rend(); ++r) {
      if (r->root != root) continue;
      std::string displayName = valueText(*r, "DisplayName");
      if (displayName.empty()) {
        if (!showAll_) continue;
        displayName = r->name;
      }
      UninstallEntry entry{std::move(displayName),
                           UninstallInfo{r->keyPath, root, {}, rootKeyName(root)}};
      for (const auto& v : r->values)
        if (!v.text.empty() || showEmptyValues_)
          entry.info.valueLines.push_back(v.name + "=" + v.text);
      entries_.push_back(std::move(entry));
    }
  }
  if (sorted_) sortEntries();

  if (remembered >= 0 && remembered < static_cast<int>(entries_.size()))
    selected_ = remembered;
  else if (!entries_.empty())
    selected_ = 0;
  changed();
}

void UninstallList::select(int index) {
  selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

std::string UninstallList::selectedUninstallString() const {
  if (selected_ < 0) return {};
  for (const auto& line : entries_[selected_].info.valueLines) {
    const auto eq = line.find('=');
    if (equalsIgnoringCase(std::string_view(line).substr(0, eq), "UninstallString"))
      return line.substr(eq + 1);
  }
  return {};
}

std::string UninstallList::selectedKeyPath() const {
  return selected_ < 0 ? std::string() : entries_[selected_].info.keyPath;
}

std::uint32_t UninstallList::selectedRootKey() const {
  return selected_ < 0 ? 0u : static_cast<std::uint32_t>(entries_[selected_].info.rootKey);
}

void UninstallList::deleteSelectedRegistration() {
  if (selected_ >= 0)
    store_->remove(entries_[selected_].info.rootKey, entries_[selected_].info.keyPath);
  refresh();
}

void UninstallList::changed() {
  if (onChanged) onChanged();
}

}  // namespace norvane
