#pragma once
// The paths of the installed packages' files, packed for many cheap look-ups: folder texts
// and file names live once each in one text arena, and two open-addressing tables of 32-bit
// numbers find them, so a path costs about 30 bytes instead of a node and a string of its own.
//
// With a merged /usr (Debian 12), /bin, /sbin, /lib, /lib32, /lib64 and /libx32 are links into
// /usr: a package may list /lib/x86_64-linux-gnu/libc.so.6 while a walk meets
// /usr/lib/x86_64-linux-gnu/libc.so.6. Both spellings are stored and looked up in their /usr
// form, so either finds the other.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/package_files.h"

namespace norvane {

class PackageFileIndex final : public PackageFiles {
 public:
  explicit PackageFileIndex(bool mergedUsr = true);

  // Registers a package by the name queries give for it; returns its number for add().
  std::uint32_t addPackage(std::string_view name);
  // Records `path` (absolute) as a file of `package`. A path recorded before keeps its first
  // owner (folders are listed by many packages).
  void add(std::string_view path, std::uint32_t package);
  // Room for about this many paths, folders and bytes of text, so that loading doesn't grow
  // (copy and rehash) the tables over and over; more may still be added.
  void reserve(std::size_t paths, std::size_t folders, std::size_t textBytes);
  // Gives back the spare room the loading left.
  void shrink();

  // `path` as it is stored: its /usr form when /usr is merged.
  std::string canonicalPath(std::string_view path) const;
  // Whether canonicalPath() differs from `path`.
  bool isAliased(std::string_view path) const { return !usrForm(path).head.empty(); }

  std::string ownerOf(std::string_view path) const override;
  bool isOwned(std::string_view path) const override;
  FolderRef findFolder(std::string_view folder) const override;
  bool isOwned(FolderRef folder, std::string_view name) const override;
  std::size_t pathCount() const override { return files_.size(); }
  std::size_t memoryUsage() const override;

 private:
  // A text seen as "/usr" (or nothing) followed by the rest, so looking up the /usr form of
  // a path needs no new string.
  struct Text {
    std::string_view head;
    std::string_view tail;
    std::size_t size() const { return head.size() + tail.size(); }
  };
  struct Folder {
    std::uint32_t offset;
    std::uint32_t length;
  };
  struct File {
    std::uint32_t folder;
    std::uint32_t nameOffset;
    std::uint32_t nameLength;
    std::uint32_t package;
  };
  // One slot of a table: a number plus one (0 = free) and the hash of what it names.
  struct Slot {
    std::uint32_t idPlusOne;
    std::uint32_t hash;
  };

  Text usrForm(std::string_view path) const;
  // Folder and name of a path in its /usr form; false for the root itself or a bad path.
  bool split(std::string_view path, Text& folder, std::string_view& name) const;
  static Text trimFolder(Text folder);

  std::uint32_t findFolderText(Text folder, std::uint32_t hash) const;
  std::uint32_t addFolder(Text folder);
  std::uint32_t findFile(std::uint32_t folder, std::string_view name, std::uint32_t hash) const;
  const File* lookup(std::string_view path) const;

  std::string_view arena(std::uint32_t offset, std::uint32_t length) const {
    return std::string_view(text_.data() + offset, length);
  }
  std::uint32_t append(Text t);

  bool mergedUsr_;
  // Lists run folder by folder: the folder of the last path added saves a look-up.
  std::string lastFolder_;
  std::uint32_t lastFolderId_ = 0xFFFFFFFFu;
  std::string text_;
  std::vector<Folder> folders_;
  std::vector<Slot> folderSlots_;
  std::vector<File> files_;
  std::vector<Slot> fileSlots_;
  std::vector<std::string> packages_;
};

}  // namespace norvane
