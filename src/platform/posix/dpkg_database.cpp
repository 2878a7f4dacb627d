#include "platform/posix/dpkg_database.h"

#include <sys/stat.h>

#include <string_view>
#include <unordered_map>

#include "platform/file_content.h"
#include "platform/posix/package_file_index.h"

namespace norvane {

namespace {

// Far above any real database file; only guards against an absurd one.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

// What the index needs for a given length of lists, a little over what Debian 12's lists hold
// (60 bytes a line, a folder every 11 lines, 0.36 bytes of names and folder texts per byte):
// sized from these, loading doesn't copy and rehash its tables again and again.
constexpr std::size_t kListBytesPerPath = 48;
constexpr std::size_t kListBytesPerFolder = 512;
constexpr std::size_t kListBytesPerTextByte = 2;

// Reads the whole file into `text`, whose room is kept from file to file.
bool readFile(const std::string& path, std::string& text) {
  return readWholeFile(path, text, kMaxFileBytes) == ReadFileStatus::Ok;
}

// Calls `line` for each line of `text`, without the line end.
template <typename F>
void forEachLine(std::string_view text, F line) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    line(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

bool fieldValue(std::string_view line, std::string_view field, std::string_view& value) {
  if (line.size() <= field.size() || line.substr(0, field.size()) != field ||
      line[field.size()] != ':')
    return false;
  value = line.substr(field.size() + 1);
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
    value.remove_suffix(1);
  return true;
}

// The states in which dpkg has put (some of) a package's files on the machine.
bool filesOnMachine(std::string_view status) {
  const auto space = status.rfind(' ');
  const std::string_view state =
      space == std::string_view::npos ? status : status.substr(space + 1);
  return state == "installed" || state == "unpacked" || state == "half-configured" ||
         state == "half-installed" || state == "triggers-awaited" || state == "triggers-pending";
}

struct Diversion {
  std::string to;
  std::string by;  // the diverting package, ":" for the administrator's own
};

struct TransparentHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using DiversionMap = std::unordered_map<std::string, Diversion, TransparentHash, std::equal_to<>>;

// "diversions" holds three lines per diversion: the path, where other packages' file of that
// path goes instead, and the package that diverted it.
DiversionMap parseDiversions(std::string_view text, const PackageFileIndex& index) {
  std::vector<std::string_view> lines;
  forEachLine(text, [&](std::string_view l) { lines.push_back(l); });
  DiversionMap map;
  for (std::size_t i = 0; i + 2 < lines.size(); i += 3)
    map[index.canonicalPath(lines[i])] =
        Diversion{index.canonicalPath(lines[i + 1]), std::string(lines[i + 2])};
  return map;
}

}  // namespace

DpkgDatabase::DpkgDatabase(std::string adminDir, bool mergedUsr)
    : adminDir_(std::move(adminDir)), mergedUsr_(mergedUsr) {}

std::vector<DpkgDatabase::InstalledPackage> DpkgDatabase::parseStatus(std::string_view status) {
  std::vector<InstalledPackage> out;
  InstalledPackage current{};
  bool onMachine = false;
  auto finish = [&] {
    if (!current.name.empty() && onMachine) out.push_back(current);
    current = InstalledPackage{};
    onMachine = false;
  };
  forEachLine(status, [&](std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return finish();
    std::string_view value;
    if (fieldValue(line, "Package", value))
      current.name = value;
    else if (fieldValue(line, "Architecture", value))
      current.architecture = value;
    else if (fieldValue(line, "Multi-Arch", value))
      current.perArchitecture = value == "same";
    else if (fieldValue(line, "Status", value))
      onMachine = filesOnMachine(value);
  });
  finish();
  return out;
}

bool DpkgDatabase::hostHasMergedUsr() {
  struct stat st;
  return ::lstat("/lib", &st) == 0 && S_ISLNK(st.st_mode);
}

std::shared_ptr<const PackageFiles> DpkgDatabase::load() {
  auto index = std::make_shared<PackageFileIndex>(mergedUsr_);
  readLists(*index);
  index->shrink();
  return index;
}

void DpkgDatabase::readLists(PackageFileIndex& index) const {
  std::string text;
  if (!readFile(adminDir_ + "/status", text)) return;
  const std::vector<InstalledPackage> packages = parseStatus(text);

  DiversionMap diversions;
  if (readFile(adminDir_ + "/diversions", text)) diversions = parseDiversions(text, index);

  // Each package's list, found first so that the index can be sized from their lengths.
  struct List {
    const InstalledPackage* package;
    std::string owner;  // the name dpkg gives the package, as queries report it
    std::string path;
  };
  std::vector<List> lists;
  lists.reserve(packages.size());
  std::size_t listBytes = 0;
  const std::string info = adminDir_ + "/info/";
  for (const auto& p : packages) {
    const std::string qualified = p.name + ":" + p.architecture;
    // dpkg names the list after the qualified name only for per-architecture packages; try
    // the other spelling too, for a database that an older dpkg wrote.
    for (const bool perArchitecture : {p.perArchitecture, !p.perArchitecture}) {
      std::string owner = perArchitecture ? qualified : p.name;
      std::string path = info + owner + ".list";
      struct stat st;
      if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
      listBytes += static_cast<std::size_t>(st.st_size);
      lists.push_back(List{&p, std::move(owner), std::move(path)});
      break;
    }
  }
  index.reserve(listBytes / kListBytesPerPath, listBytes / kListBytesPerFolder,
                listBytes / kListBytesPerTextByte);

  for (const List& list : lists) {
    if (!readFile(list.path, text)) continue;
    const InstalledPackage& p = *list.package;
    const std::uint32_t owner = index.addPackage(list.owner);
    std::string canonical;
    forEachLine(text, [&](std::string_view path) {
      if (path.empty()) return;
      if (!diversions.empty()) {
        std::string_view key = path;
        if (index.isAliased(path)) key = canonical = index.canonicalPath(path);
        // Another package's file of a diverted path lies where the diversion sends it.
        const auto d = diversions.find(key);
        if (d != diversions.end() && d->second.by != p.name) return index.add(d->second.to, owner);
      }
      index.add(path, owner);
    });
  }
}

std::shared_ptr<PackageDatabase> makeHostPackageDatabase() {
  return std::make_shared<DpkgDatabase>("/var/lib/dpkg", DpkgDatabase::hostHasMergedUsr());
}

}  // namespace norvane
