#include "tools/stats/stats_line.h"

#include "core/stats/size_column.h"

namespace norvane {

std::string escapeField(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

std::string statsLine(const FolderFigures& figures) {
  std::string line = escapeField(figures.path);
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
