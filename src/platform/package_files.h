#pragma once
// Which files belong to installed packages: the package manager's own record of the files it
// put on the machine. The junk scan asks it for every candidate file (such files count as
// system files), the uninstall list for the owner of a program's registration.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace norvane {

// A snapshot of the installed packages' files, read once and then only queried; safe to
// query from several threads at once.
class PackageFiles {
 public:
  // A folder resolved once for many look-ups of names in it.
  using FolderRef = std::uint32_t;
  static constexpr FolderRef kNoFolder = 0xFFFFFFFFu;

  virtual ~PackageFiles() = default;

  // The package that installed the file at the absolute `path` ("name", or "name:arch" for a
  // package installed per architecture), "" when none did.
  virtual std::string ownerOf(std::string_view path) const = 0;
  virtual bool isOwned(std::string_view path) const = 0;

  // The folder (absolute, a trailing "/" allowed) for isOwned(folder, name); kNoFolder when no
  // package has anything in it, and then no name in it is owned.
  virtual FolderRef findFolder(std::string_view folder) const = 0;
  virtual bool isOwned(FolderRef folder, std::string_view name) const = 0;

  // How many paths the snapshot holds and the bytes it takes.
  virtual std::size_t pathCount() const = 0;
  virtual std::size_t memoryUsage() const = 0;
};

class PackageDatabase {
 public:
  virtual ~PackageDatabase() = default;
  // Reads the database as it is now. A missing or unreadable database gives an empty
  // snapshot: then no file is owned.
  virtual std::shared_ptr<const PackageFiles> load() = 0;
};

// The package database of the machine the program runs on.
std::shared_ptr<PackageDatabase> makeHostPackageDatabase();

}  // namespace norvane
