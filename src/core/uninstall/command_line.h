#pragma once
// A command line split into a program and its arguments by the shell's quoting rules, without
// a shell: words part at blanks, tabs and newlines; '...' keeps everything literally; "..."
// keeps everything but a backslash before $ ` " \ or a newline; outside quotes a backslash
// keeps the next character (and drops a backslash-newline). Nothing is expanded: $, *, ~, ;
// and | are plain characters.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class CommandLine {
 public:
  // The words; nullopt when a quote is left open.
  static std::optional<std::vector<std::string>> split(std::string_view line);
};

}  // namespace norvane
