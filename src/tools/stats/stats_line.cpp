#include "tools/stats/stats_line.h"

#include "core/shared/tab_field.h"
#include "core/stats/size_column.h"

namespace norvane {

std::string statsLine(const FolderFigures& figures) {
  std::string line = escapeTabField(figures.path);
  for (std::int64_t number : {figures.folders, figures.files, figures.bytes}) {
    line.push_back('\t');
    line += std::to_string(number);
  }
  line.push_back('\t');
  line += sizeColumnText(figures.bytes, figures.partitionSize);
  line.push_back('\n');
  return line;
}

}  // namespace norvane
