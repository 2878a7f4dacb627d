#include "core/uninstall/command_line.h"

namespace norvane {

std::optional<std::vector<std::string>> CommandLine::split(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;  // also true for a word made only of quotes: '' is an empty argument
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else if (c == '\\') {
      if (i + 1 == line.size()) {
        word += c;
        inWord = true;
      } else if (line[++i] != '\n') {
        word += line[i];
        inWord = true;
      }
    } else if (c == '\'') {
      const auto close = line.find('\'', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      word.append(line.substr(i + 1, close - i - 1));
      i = close;
      inWord = true;
    } else if (c == '"') {
      inWord = true;
      for (++i;; ++i) {
        if (i == line.size()) return std::nullopt;
        if (line[i] == '"') break;
        if (line[i] == '\\' && i + 1 < line.size()) {
          const char next = line[i + 1];
          if (next == '$' || next == '`' || next == '"' || next == '\\' || next == '\n') {
            ++i;
            if (next != '\n') word += next;
            continue;
          }
        }
        word += line[i];
      }
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

}  // namespace norvane
