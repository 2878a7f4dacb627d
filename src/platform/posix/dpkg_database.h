#pragma once
// dpkg's record of the installed packages' files, read straight from its admin folder
// (/var/lib/dpkg): "status" names the packages whose files are on the machine, "info/*.list"
// lists each one's files, and "diversions" says where files that another package diverted
// really lie. dpkg itself is never run.
#include <memory>
#include <string>
#include <vector>

#include "platform/package_files.h"

namespace norvane {

class PackageFileIndex;

class DpkgDatabase : public PackageDatabase {
 public:
  // `adminDir` is dpkg's admin folder; `mergedUsr` whether /bin, /lib... are links into /usr.
  explicit DpkgDatabase(std::string adminDir = "/var/lib/dpkg", bool mergedUsr = true);

  std::shared_ptr<const PackageFiles> load() override;

  // A package whose files are on the machine, as "status" records it.
  struct InstalledPackage {
    std::string name;          // "libc6"
    std::string architecture;  // "amd64", "all"
    bool perArchitecture;      // Multi-Arch: same, so dpkg names it "libc6:amd64"
  };
  // The packages of a "status" text whose files are (at least partly) on the machine: every
  // state from half-installed to installed; not-installed and config-files are left out.
  static std::vector<InstalledPackage> parseStatus(std::string_view status);

  // Whether this machine's /lib is a link, i.e. /usr is merged.
  static bool hostHasMergedUsr();

 private:
  void readLists(PackageFileIndex& index) const;

  std::string adminDir_;
  bool mergedUsr_;
};

}  // namespace norvane
