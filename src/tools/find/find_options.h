#pragma once
// Command line of norvane-find.
#include <cstdint>
#include <string>
#include <vector>

#include "core/search/read_ahead_options.h"
#include "core/search/search_criteria.h"

namespace norvane {

struct FindOptions {
  SearchCriteria criteria;
  ReadAheadOptions readAhead = ReadAheadOptions::defaults();
  bool summary = false;
  bool help = false;
};

// Reads the arguments (without the program name). Throws std::invalid_argument with a message
// for the user when they are wrong.
FindOptions parseFindOptions(const std::vector<std::string>& args);

extern const char* const kFindUsage;

}  // namespace norvane
