// Loads this machine's dpkg database a few times and looks up every path it lists: load
// time, memory and look-up cost of the package ownership index.
//   norvane-dpkg-bench [ADMIN_DIR]
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_content.h"
#include "platform/posix/dpkg_database.h"

using namespace norvane;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

}  // namespace

int main(int argc, char** argv) {
  const std::string admin = argc > 1 ? argv[1] : "/var/lib/dpkg";
  DpkgDatabase db(admin, DpkgDatabase::hostHasMergedUsr());

  std::vector<double> loads;
  std::size_t heap = 0, reported = 0, paths = 0;
  for (int i = 0; i < 15; ++i) {
    const std::size_t before = heapInUse();
    const auto start = Clock::now();
    auto files = db.load();
    loads.push_back(msSince(start));
    heap = heapInUse() - before;
    reported = files->memoryUsage();
    paths = files->pathCount();
  }
  std::sort(loads.begin(), loads.end());
  std::printf("paths %zu\nload ms: min %.1f median %.1f max %.1f\n", paths, loads.front(),
              loads[loads.size() / 2], loads.back());
  std::printf("heap bytes %zu (%.1f per path), index's own count %zu\n", heap,
              double(heap) / double(paths ? paths : 1), reported);

  // Every listed path, and the same path with ".bak" (not owned), both spellings of /usr.
  auto files = db.load();
  std::vector<std::string> queries;
  std::string status;
  readWholeFile(admin + "/status", status, std::size_t{1} << 30);
  for (const auto& p : DpkgDatabase::parseStatus(status)) {
    std::string text;
    if (readWholeFile(admin + "/info/" + p.name + ".list", text, std::size_t{1} << 30) !=
            ReadFileStatus::Ok &&
        readWholeFile(admin + "/info/" + p.name + ":" + p.architecture + ".list", text,
                      std::size_t{1} << 30) != ReadFileStatus::Ok)
      continue;
    std::size_t at = 0;
    while (at < text.size()) {
      const auto end = std::min(text.find('\n', at), text.size());
      queries.emplace_back(text, at, end - at);
      queries.push_back(queries.back() + ".bak");
      at = end + 1;
    }
  }
  const auto start = Clock::now();
  std::size_t owned = 0;
  for (const auto& q : queries) owned += files->isOwned(q);
  const double pathMs = msSince(start);

  const auto start2 = Clock::now();
  std::size_t owned2 = 0;
  for (const auto& q : queries) {
    const auto slash = q.rfind('/');
    const auto folder = files->findFolder(std::string_view(q).substr(0, slash ? slash : 1));
    owned2 += files->isOwned(folder, std::string_view(q).substr(slash + 1));
  }
  const double splitMs = msSince(start2);

  // As a walk asks: the folder resolved once, then each name in it.
  std::vector<PackageFiles::FolderRef> refs;
  for (const auto& q : queries) {
    const auto slash = q.rfind('/');
    refs.push_back(files->findFolder(std::string_view(q).substr(0, slash ? slash : 1)));
  }
  const auto start3 = Clock::now();
  std::size_t owned3 = 0;
  for (std::size_t i = 0; i < queries.size(); ++i)
    owned3 +=
        files->isOwned(refs[i], std::string_view(queries[i]).substr(queries[i].rfind('/') + 1));
  const double nameMs = msSince(start3);
  std::printf("by name in a resolved folder %.0f ns each (owned %zu)\n",
              nameMs * 1e6 / double(queries.size()), owned3);
  std::printf(
      "lookups %zu (owned %zu / %zu): by path %.0f ns each, by folder + name %.0f ns each\n",
      queries.size(), owned, owned2, pathMs * 1e6 / double(queries.size()),
      splitMs * 1e6 / double(queries.size()));
  return 0;
}
