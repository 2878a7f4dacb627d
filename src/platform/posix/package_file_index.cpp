#include "platform/posix/package_file_index.h"

#include <array>

namespace norvane {

namespace {

constexpr std::string_view kUsr = "/usr";
// The top-level folders that a merged /usr turns into links to their namesakes in /usr.
constexpr std::array<std::string_view, 6> kAliasNames = {"bin",   "sbin",  "lib",
                                                         "lib32", "lib64", "libx32"};

bool isAliasName(std::string_view name) {
  for (auto alias : kAliasNames)
    if (name == alias) return true;
  return false;
}

// FNV-1a, fed piece by piece so "/usr" plus a path hashes like the joined text.
constexpr std::uint32_t kFnvBasis = 2166136261u;
std::uint32_t fnv(std::uint32_t h, std::string_view s) {
  for (unsigned char c : s) h = (h ^ c) * 16777619u;
  return h;
}

std::uint32_t fileHash(std::uint32_t folder, std::string_view name) {
  std::uint32_t h = kFnvBasis;
  for (int i = 0; i < 4; ++i) h = (h ^ ((folder >> (8 * i)) & 0xFFu)) * 16777619u;
  return fnv(h, name);
}

constexpr std::uint32_t kNotFound = PackageFiles::kNoFolder;

// Open addressing with linear probing; a table doubles when three quarters are taken.
template <typename SlotT>
void insertSlot(std::vector<SlotT>& slots, std::uint32_t id, std::uint32_t hash) {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    if (slots[i].idPlusOne == 0) {
      slots[i] = SlotT{id + 1, hash};
      return;
    }
  }
}

// Makes the table big enough for `count` entries (at most three quarters taken).
template <typename SlotT>
void makeRoom(std::vector<SlotT>& slots, std::size_t count) {
  std::size_t size = slots.size();
  while (count * 4 > size * 3) size *= 2;
  if (size == slots.size()) return;
  std::vector<SlotT> bigger(size, SlotT{0, 0});
  for (const auto& s : slots)
    if (s.idPlusOne != 0) insertSlot(bigger, s.idPlusOne - 1, s.hash);
  slots.swap(bigger);
}

template <typename SlotT, typename Match>
std::uint32_t findSlot(const std::vector<SlotT>& slots, std::uint32_t hash, Match matches) {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const auto& s = slots[i];
    if (s.idPlusOne == 0) return kNotFound;
    if (s.hash == hash && matches(s.idPlusOne - 1)) return s.idPlusOne - 1;
  }
}

}  // namespace

PackageFileIndex::PackageFileIndex(bool mergedUsr)
    : mergedUsr_(mergedUsr), folderSlots_(1024, Slot{0, 0}), fileSlots_(4096, Slot{0, 0}) {}

PackageFileIndex::Text PackageFileIndex::usrForm(std::string_view path) const {
  if (mergedUsr_ && path.size() > 1 && path[0] == '/') {
    const auto end = path.find('/', 1);
    if (isAliasName(path.substr(1, end == std::string_view::npos ? end : end - 1)))
      return Text{kUsr, path};
  }
  return Text{{}, path};
}

PackageFileIndex::Text PackageFileIndex::trimFolder(Text folder) {
  while (folder.size() > 1 && !folder.tail.empty() && folder.tail.back() == '/')
    folder.tail.remove_suffix(1);
  return folder;
}

bool PackageFileIndex::split(std::string_view path, Text& folder, std::string_view& name) const {
  const Text full = usrForm(path);
  const auto slash = full.tail.rfind('/');
  if (slash == std::string_view::npos || full.tail.empty() || full.tail[0] != '/') return false;
  name = full.tail.substr(slash + 1);
  if (name.empty() || name == "." || name == "..") return false;
  folder = Text{full.head, full.tail.substr(0, slash)};
  if (folder.size() == 0) folder = Text{{}, "/"};
  return true;
}

std::string PackageFileIndex::canonicalPath(std::string_view path) const {
  const Text t = usrForm(path);
  std::string out;
  out.reserve(t.size());
  out.append(t.head).append(t.tail);
  return out;
}

std::uint32_t PackageFileIndex::append(Text t) {
  const auto offset = static_cast<std::uint32_t>(text_.size());
  text_.append(t.head).append(t.tail);
  return offset;
}

std::uint32_t PackageFileIndex::findFolderText(Text folder, std::uint32_t hash) const {
  return findSlot(folderSlots_, hash, [&](std::uint32_t id) {
    const Folder& f = folders_[id];
    if (f.length != folder.size()) return false;
    const std::string_view stored = arena(f.offset, f.length);
    return stored.substr(0, folder.head.size()) == folder.head &&
           stored.substr(folder.head.size()) == folder.tail;
  });
}

std::uint32_t PackageFileIndex::addFolder(Text folder) {
  const std::uint32_t hash = fnv(fnv(kFnvBasis, folder.head), folder.tail);
  const std::uint32_t found = findFolderText(folder, hash);
  if (found != kNotFound) return found;
  makeRoom(folderSlots_, folders_.size() + 1);
  const auto id = static_cast<std::uint32_t>(folders_.size());
  folders_.push_back(Folder{append(folder), static_cast<std::uint32_t>(folder.size())});
  insertSlot(folderSlots_, id, hash);
  return id;
}

std::uint32_t PackageFileIndex::findFile(std::uint32_t folder, std::string_view name,
                                         std::uint32_t hash) const {
  return findSlot(fileSlots_, hash, [&](std::uint32_t id) {
    const File& f = files_[id];
    return f.folder == folder && arena(f.nameOffset, f.nameLength) == name;
  });
}

std::uint32_t PackageFileIndex::addPackage(std::string_view name) {
  packages_.emplace_back(name);
  return static_cast<std::uint32_t>(packages_.size() - 1);
}

void PackageFileIndex::add(std::string_view path, std::uint32_t package) {
  Text folderText;
  std::string_view name;
  if (!split(path, folderText, name)) return;
  const bool sameFolder =
      lastFolderId_ != kNotFound && lastFolder_.size() == folderText.size() &&
      lastFolder_.compare(0, folderText.head.size(), folderText.head) == 0 &&
      lastFolder_.compare(folderText.head.size(), std::string::npos, folderText.tail) == 0;
  if (!sameFolder) {
    lastFolderId_ = addFolder(folderText);
    lastFolder_.assign(folderText.head).append(folderText.tail);
  }
  const std::uint32_t folder = lastFolderId_;
  const std::uint32_t hash = fileHash(folder, name);
  if (findFile(folder, name, hash) != kNotFound) return;
  makeRoom(fileSlots_, files_.size() + 1);
  const auto id = static_cast<std::uint32_t>(files_.size());
  files_.push_back(
      File{folder, append(Text{{}, name}), static_cast<std::uint32_t>(name.size()), package});
  insertSlot(fileSlots_, id, hash);
}

void PackageFileIndex::reserve(std::size_t paths, std::size_t folders, std::size_t textBytes) {
  files_.reserve(paths);
  makeRoom(fileSlots_, paths);
  folders_.reserve(folders);
  makeRoom(folderSlots_, folders);
  text_.reserve(textBytes);
}

void PackageFileIndex::shrink() {
  text_.shrink_to_fit();
  folders_.shrink_to_fit();
  files_.shrink_to_fit();
}

PackageFiles::FolderRef PackageFileIndex::findFolder(std::string_view folder) const {
  const Text t = trimFolder(usrForm(folder));
  if (t.size() == 0 || (t.head.empty() && t.tail[0] != '/')) return kNoFolder;
  return findFolderText(t, fnv(fnv(kFnvBasis, t.head), t.tail));
}

bool PackageFileIndex::isOwned(FolderRef folder, std::string_view name) const {
  if (folder == kNoFolder || folder >= folders_.size()) return false;
  if (mergedUsr_ && isAliasName(name)) {
    // "/" + "lib" is /usr/lib.
    const Folder& f = folders_[folder];
    if (arena(f.offset, f.length) == "/") {
      folder = findFolder(kUsr);
      if (folder == kNoFolder) return false;
    }
  }
  return findFile(folder, name, fileHash(folder, name)) != kNotFound;
}

const PackageFileIndex::File* PackageFileIndex::lookup(std::string_view path) const {
  Text folderText;
  std::string_view name;
  if (!split(path, folderText, name)) return nullptr;
  const std::uint32_t folder =
      findFolderText(folderText, fnv(fnv(kFnvBasis, folderText.head), folderText.tail));
  if (folder == kNoFolder) return nullptr;
  const std::uint32_t file = findFile(folder, name, fileHash(folder, name));
  return file == kNotFound ? nullptr : &files_[file];
}

bool PackageFileIndex::isOwned(std::string_view path) const { return lookup(path) != nullptr; }

std::string PackageFileIndex::ownerOf(std::string_view path) const {
  const File* f = lookup(path);
  return f ? packages_[f->package] : std::string();
}

std::size_t PackageFileIndex::memoryUsage() const {
  std::size_t bytes = sizeof(*this) + text_.capacity() + folders_.capacity() * sizeof(Folder) +
                      files_.capacity() * sizeof(File) +
                      (folderSlots_.capacity() + fileSlots_.capacity()) * sizeof(Slot) +
                      packages_.capacity() * sizeof(std::string);
  for (const auto& p : packages_) bytes += p.capacity() + 1;
  return bytes;
}

}  // namespace norvane
