#pragma once
// Which files of a walk belong to installed packages: such regular files carry the system
// attribute. The package database is read at the first question, so a walk that never asks
// (the system attribute tested by nothing, or no candidate found) never pays for it, and a walk
// reads it at most once. A walk on the interface's own thread keeps the interface running while
// the database loads (a tenth of a second or more on a desktop system).
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/directory_reader.h"
#include "platform/package_files.h"

namespace norvane {

class PackageOwnership {
 public:
  // The look-up of one folder, kept by the walk while it lists that folder's names.
  struct FolderCache {
    PackageFiles::FolderRef folder = PackageFiles::kNoFolder;
    bool resolved = false;
  };

  // `database` null: no file belongs to a package. `whileLoading`, when given, is called every
  // few milliseconds while the database loads on a thread of its own.
  PackageOwnership(std::shared_ptr<PackageDatabase> database, DirectoryReader& reader,
                   std::function<void()> whileLoading = {})
      : database_(std::move(database)), reader_(reader), whileLoading_(std::move(whileLoading)) {}

  bool enabled() const { return database_ != nullptr; }

  // A new target folder (absolute, ending with the separator); the walk's folders start with it.
  void beginTarget(const std::string& targetFolder);

  // Whether `name` in the walk's `folder` is a package's file.
  bool owns(const std::string& folder, std::string_view name, FolderCache& cache);

 private:
  std::shared_ptr<const PackageFiles> load();

  std::shared_ptr<PackageDatabase> database_;
  DirectoryReader& reader_;
  std::function<void()> whileLoading_;
  std::shared_ptr<const PackageFiles> files_;
  std::string targetFolder_;
  // The target as it really lies: a target reached through a link into a package's tree must
  // still find the package's files.
  std::string realTarget_;
  bool realTargetKnown_ = false;
  std::string path_;
};

}  // namespace norvane
