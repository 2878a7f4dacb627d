#include "tools/clean/clean_delete.h"

#include <exception>
#include <string>

#include "core/cleaning/found_file_deletion.h"
#include "core/cleaning/found_file_store.h"
#include "core/shared/size_text.h"
#include "core/shared/tab_field.h"

namespace norvane {

int runCleanDelete(const std::vector<ListedFile>& files, const CleaningSettings& settings,
                   const Platform& platform, bool dryRun, std::FILE* out, std::FILE* err) {
  const bool deleteAtRestart = settings.options.deleteAtRestart;
  std::int64_t freed = 0;
  bool allGone = true;
  for (const ListedFile& listed : files) {
    FoundFileDeletion deletion;
    try {
      deletion = dryRun ? previewFoundFileDeletion(*platform.fileOps, listed.file, deleteAtRestart)
                        : deleteFoundFile(*platform.fileOps, *platform.restartDelete, listed.file,
                                          deleteAtRestart);
    } catch (const std::exception& e) {
      // As in the window: the run ends at this file, without the completion line.
      std::fflush(out);
      std::fprintf(err, "norvane-clean: %s: %s\n", listed.file.path().c_str(), e.what());
      return 1;
    }
    freed += deletion.freedBytes;
    allGone = allGone && (deletion.status == FoundFileStatus::Deleted ||
                          deletion.status == FoundFileStatus::RestartDelete);
    std::fprintf(out, "%s\t%s\n", std::string(foundFileStatusText(deletion.status)).c_str(),
                 escapeTabField(listed.file.path()).c_str());
  }
  if (dryRun)
    std::fprintf(out, "试运行，未删除任何文件：可释放%s磁盘空间。\n", ConFileSize(freed).c_str());
  else
    std::fprintf(out, "%s\n", cleaningDoneText(freed).c_str());
  if (std::fflush(out) != 0) return 1;
  return allGone ? 0 : 1;
}

}  // namespace norvane
