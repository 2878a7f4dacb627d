#include "platform/posix/posix_desktop_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/file_content.h"
#include "platform/posix/xdg_shell_folders.h"

namespace norvane {

namespace {

// Application folders are shallow; this only stops a runaway tree.
constexpr int kMaxDepth = 16;
// Desktop entries are a few KB; a bigger file is no desktop entry worth reading.
constexpr std::size_t kMaxEntryBytes = std::size_t{1} << 20;

bool isDesktopName(std::string_view name) {
  constexpr std::string_view kSuffix = ".desktop";
  return name.size() > kSuffix.size() && name.substr(name.size() - kSuffix.size()) == kSuffix;
}

// Lists the folder open at `fd` (taking it over) into `out`, names prefixed with `prefix`.
void listFolder(int fd, const std::string& prefix, int depth, std::vector<std::string>& out) {
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return;
  }
  while (const dirent* e = ::readdir(dir)) {
    const std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    unsigned char type = e->d_type;
    if (type == DT_UNKNOWN) {
      struct stat st;
      if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
      type = S_ISDIR(st.st_mode)   ? DT_DIR
             : S_ISLNK(st.st_mode) ? DT_LNK
             : S_ISREG(st.st_mode) ? DT_REG
                                   : DT_UNKNOWN;
    }
    if (type == DT_DIR) {
      if (depth >= kMaxDepth) continue;
      const int child =
          ::openat(::dirfd(dir), e->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (child >= 0) listFolder(child, prefix + std::string(name) + "/", depth + 1, out);
    } else if ((type == DT_REG || type == DT_LNK) && isDesktopName(name)) {
      out.push_back(prefix + std::string(name));
    }
  }
  ::closedir(dir);
}

}  // namespace

std::vector<std::string> PosixDesktopFiles::list(const std::string& folder) {
  std::vector<std::string> out;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) listFolder(fd, "", 0, out);
  return out;
}

std::optional<std::string> PosixDesktopFiles::read(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string content;
  if (readWholeFile(path, content, kMaxEntryBytes) != ReadFileStatus::Ok) return std::nullopt;
  return content;
}

std::string PosixDesktopFiles::realPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : std::string();
}

int PosixDesktopFiles::remove(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  // unlink never follows the last part of a path: a link goes, its target stays.
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

std::shared_ptr<DesktopFiles> makeHostDesktopFiles() {
  return std::make_shared<PosixDesktopFiles>();
}

DesktopEnvironment hostDesktopEnvironment() {
  const ShellEnvironment shell = ShellEnvironment::fromProcess();
  const char* dataDirs = std::getenv("XDG_DATA_DIRS");
  return DesktopEnvironment{shell.home, shell.xdgDataHome, dataDirs ? dataDirs : ""};
}

}  // namespace norvane
