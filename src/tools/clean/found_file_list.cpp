#include "tools/clean/found_file_list.h"

#include <charconv>
#include <vector>

#include "core/shared/tab_field.h"

namespace norvane {

namespace {

void appendIdentity(std::string& out, const FileIdentity& identity) {
  out += std::to_string(identity.device);
  out += ':';
  out += std::to_string(identity.inode);
}

template <typename T>
bool readNumber(std::string_view text, T& out) {
  if (text.empty() || text.front() == '+') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size();
}

bool readIdentity(std::string_view text, FileIdentity& out) {
  const auto colon = text.find(':');
  return colon != std::string_view::npos && readNumber(text.substr(0, colon), out.device) &&
         readNumber(text.substr(colon + 1), out.inode) && out.known();
}

}  // namespace

std::string formatListLine(const ListedFile& listed) {
  std::string line;
  appendIdentity(line, listed.file.folderIdentity);
  line += '\t';
  appendIdentity(line, listed.file.fileIdentity);
  line += '\t';
  line += std::to_string(listed.size);
  line += '\t';
  line += std::to_string(listed.modified);
  line += '\t';
  line += escapeTabField(listed.file.path());
  line += '\n';
  return line;
}

bool parseListLine(std::string_view line, ListedFile& out, std::string& error) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const auto tab = line.find('\t', start);
    if (fields.size() == 4 || tab == std::string_view::npos) {
      fields.push_back(line.substr(start));
      break;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  if (fields.size() != 5) {
    error = "expected 5 fields separated by tabs";
    return false;
  }
  if (!readIdentity(fields[0], out.file.folderIdentity) ||
      !readIdentity(fields[1], out.file.fileIdentity)) {
    error = "an identity is not device:inode";
    return false;
  }
  if (!readNumber(fields[2], out.size) || out.size < 0) {
    error = "the size is not a number of bytes";
    return false;
  }
  if (!readNumber(fields[3], out.modified)) {
    error = "the time is not a number of seconds";
    return false;
  }
  std::string path;
  if (!unescapeTabField(fields[4], path)) {
    error = "the path holds a backslash that is not \\t, \\n or \\\\";
    return false;
  }
  const auto slash = path.rfind('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (path.empty() || path[0] != '/' || name.empty() || name == "." || name == "..") {
    error = "the path is not the full path of a file";
    return false;
  }
  out.file.folder = path.substr(0, slash + 1);
  out.file.name = name;
  return true;
}

}  // namespace norvane
