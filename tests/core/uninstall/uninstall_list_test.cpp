#include "core/uninstall/uninstall_list.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace norvane {
namespace {

constexpr auto kUser = RegistrationRoot::CurrentUser;
constexpr auto kMachine = RegistrationRoot::LocalMachine;

// Registrations kept in memory, in the order they are added.
class MemoryStore : public RegistrationStore {
 public:
  void add(RegistrationRoot root, const std::string& name, const std::string& displayName,
           std::vector<RegistrationValue> extra = {}) {
    Registration r{root, name, "/apps/" + name, std::move(extra)};
    if (!displayName.empty() || r.values.empty()) r.values.push_back({"DisplayName", displayName});
    registrations.push_back(std::move(r));
  }
  std::vector<Registration> list(const std::vector<RegistrationRoot>& roots) override {
    ++lists;
    std::vector<Registration> out;
    for (auto root : roots)
      for (const auto& r : registrations)
        if (r.root == root) out.push_back(r);
    return out;
  }
  bool remove(RegistrationRoot root, const std::string& keyPath) override {
    removed.push_back(keyPath);
    if (refuse) return false;
    auto it = std::find_if(registrations.begin(), registrations.end(), [&](const Registration& r) {
      return r.root == root && r.keyPath == keyPath;
    });
    if (it == registrations.end()) return false;
    registrations.erase(it);
    return true;
  }

  std::vector<Registration> registrations;
  std::vector<std::string> removed;
  int lists = 0;
  bool refuse = false;
};

class UninstallListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store->add(kUser, "A", "User A");
    store->add(kUser, "B", "");
    store->add(kUser, "C", "user c", {{"UninstallString", ""}, {"Publisher", "Me"}});
    store->add(kMachine, "A", "Machine A", {{"uninstallstring", "remove-a --now"}});
    store->add(kMachine, "D", "Machine D");
    list.onChanged = [this] { ++changes; };
  }

  std::vector<std::string> shown() const {
    std::vector<std::string> out;
    for (const auto& e : list.entries()) out.push_back(e.displayName);
    return out;
  }

  std::shared_ptr<MemoryStore> store = std::make_shared<MemoryStore>();
  UninstallList list{store};
  int changes = 0;
};

TEST_F(UninstallListTest, EachRootReversedUserFirst) {
  EXPECT_TRUE(list.entries().empty());
  EXPECT_EQ(list.selectedIndex(), -1);
  list.refresh();
  EXPECT_EQ(shown(), (std::vector<std::string>{"user c", "User A", "Machine D", "Machine A"}));
  EXPECT_EQ(list.selectedIndex(), 0);
  EXPECT_EQ(changes, 1);

  const UninstallInfo& a = list.entries()[3].info;
  EXPECT_EQ(a.keyPath, "/apps/A");
  EXPECT_EQ(a.rootKey, kMachine);
  EXPECT_EQ(a.rootKeyName, "HKEY_LOCAL_MACHINE");
  EXPECT_EQ(list.entries()[0].info.rootKeyName, "HKEY_CURRENT_USER");

  list.setDisplayMode(UninstallList::kLocalMachine);
  EXPECT_EQ(shown(), (std::vector<std::string>{"Machine D", "Machine A"}));
  list.setDisplayMode(UninstallList::kCurrentUser);
  EXPECT_EQ(shown(), (std::vector<std::string>{"user c", "User A"}));
  list.setDisplayMode(0);
  EXPECT_TRUE(list.entries().empty());
  EXPECT_EQ(list.selectedIndex(), -1);
}

TEST_F(UninstallListTest, SettingsRefreshOnlyWhenTheyChange) {
  // Before the first build the settings are design values: nothing is read.
  list.setShowEmptyValues(true);
  list.setShowEmptyValues(false);
  EXPECT_EQ(store->lists, 0);
  EXPECT_EQ(changes, 0);
  list.refresh();
  list.setShowAll(false);
  list.setShowEmptyValues(false);
  list.setDisplayMode(UninstallList::kBothRoots);
  EXPECT_EQ(store->lists, 1);

  list.setShowAll(true);
  EXPECT_EQ(store->lists, 2);
  EXPECT_EQ(shown(), (std::vector<std::string>{"user c", "B", "User A", "Machine D", "Machine A"}));

  EXPECT_EQ(list.entries()[0].info.valueLines,
            (std::vector<std::string>{"Publisher=Me", "DisplayName=user c"}));
  list.setShowEmptyValues(true);
  EXPECT_EQ(store->lists, 3);
  EXPECT_EQ(list.entries()[0].info.valueLines,
            (std::vector<std::string>{"UninstallString=", "Publisher=Me", "DisplayName=user c"}));
  EXPECT_EQ(list.entries()[1].info.valueLines, (std::vector<std::string>{"DisplayName="}));

  // Sorting reorders what is there, without reading the store, and keeps the selection.
  list.select(3);
  list.setSorted(true);
  EXPECT_EQ(store->lists, 3);
  EXPECT_EQ(shown(), (std::vector<std::string>{"B", "Machine A", "Machine D", "User A", "user c"}));
  EXPECT_EQ(list.entries()[list.selectedIndex()].displayName, "Machine D");
  list.refresh();
  EXPECT_EQ(shown(), (std::vector<std::string>{"B", "Machine A", "Machine D", "User A", "user c"}));
  list.setSorted(false);
  EXPECT_EQ(shown(), (std::vector<std::string>{"B", "Machine A", "Machine D", "User A", "user c"}));
}

TEST_F(UninstallListTest, SelectedValues) {
  EXPECT_EQ(list.selectedUninstallString(), "");
  EXPECT_EQ(list.selectedKeyPath(), "");
  EXPECT_EQ(list.selectedRootKey(), 0u);
  list.refresh();
  list.select(3);
  EXPECT_EQ(list.selectedUninstallString(), "remove-a --now");
  EXPECT_EQ(list.selectedKeyPath(), "/apps/A");
  EXPECT_EQ(list.selectedRootKey(), 0x80000002u);
  list.select(0);
  EXPECT_EQ(list.selectedUninstallString(), "");
  EXPECT_EQ(list.selectedRootKey(), 0x80000001u);
  list.select(4);
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_EQ(list.selectedKeyPath(), "");
}

TEST_F(UninstallListTest, SelectionAfterDeleting) {
  list.refresh();
  // Another entry moves into the deleted one's place.
  list.select(1);
  list.deleteSelectedRegistration();
  EXPECT_EQ(shown(), (std::vector<std::string>{"user c", "Machine D", "Machine A"}));
  EXPECT_EQ(list.selectedIndex(), 1);
  // After the last entry, the first.
  list.select(2);
  list.deleteSelectedRegistration();
  EXPECT_EQ(shown(), (std::vector<std::string>{"user c", "Machine D"}));
  EXPECT_EQ(list.selectedIndex(), 0);

  // Nothing selected: nothing deleted, the list is still refreshed and selects the first.
  list.select(-1);
  const int lists = store->lists;
  list.deleteSelectedRegistration();
  EXPECT_EQ(store->removed.size(), 2u);
  EXPECT_EQ(store->lists, lists + 1);
  EXPECT_EQ(list.selectedIndex(), 0);

  // A registration that can't be deleted is shown again, without a word.
  store->refuse = true;
  list.select(1);
  EXPECT_NO_THROW(list.deleteSelectedRegistration());
  EXPECT_EQ(shown(), (std::vector<std::string>{"user c", "Machine D"}));
  EXPECT_EQ(list.selectedIndex(), 1);
}

}  // namespace
}  // namespace norvane
