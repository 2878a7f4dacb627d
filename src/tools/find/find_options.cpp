#include "tools/find/find_options.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace norvane {

const char* const kFindUsage =
    "Usage: norvane-find --location LIST [options]\n"
    "Prints the full path of every match, one per line, in the order the search reports them.\n"
    "\n"
    "  --location LIST     folders separated by ';', each optionally prefixed by '<' (without\n"
    "                      sub-folders) or '>' (with sub-folders); repeatable\n"
    "  --masks LIST        name masks separated by ';' (default: *.*)\n"
    "  --include LINE      a folder and one mask in one path, e.g. /var/log/*.log (repeatable)\n"
    "  --exclude PATTERN   exclusion pattern: [folder tail/]name mask (repeatable)\n"
    "  --no-subfolders     search only the named folders, not below them\n"
    "  --min-level N       shallowest folder level whose files are examined (target = 1)\n"
    "  --max-level N       deepest folder level walked (0 = no limit)\n"
    "  --min-size N        smallest size in bytes (0 = no bound)\n"
    "  --max-size N        largest size in bytes (0 = no bound)\n"
    "  --phrase TEXT       files must contain TEXT\n"
    "  --case-sensitive    match TEXT with case\n"
    "  --whole-word        TEXT must stand as a whole word\n"
    "  --directories       report matching folders too\n"
    "  --summary           print only: folders=N files=M bytes=B\n"
    "  --no-readahead      read every folder on the walk's own thread (for comparison)\n"
    "  --readahead-threads N\n"
    "                      threads that read folders ahead of the walk (default: 4 per\n"
    "                      processor, from 4 to 16; only one per processor reads while\n"
    "                      folders come from the cache)\n"
    "  --help              show this help\n";

namespace {

template <typename T>
T parseNumber(const std::string& option, const std::string& text, T max) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
      static_cast<std::uint64_t>(value) > static_cast<std::uint64_t>(max)) {
    throw std::invalid_argument(option + " needs a whole number from 0 to " + std::to_string(max) +
                                ", not '" + text + "'");
  }
  return static_cast<T>(value);
}

}  // namespace

FindOptions parseFindOptions(const std::vector<std::string>& args) {
  FindOptions options;
  SearchCriteria& c = options.criteria;
  bool sawLocation = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    std::string value;
    bool inlineValue = false;
    if (option.rfind("--", 0) == 0) {
      std::size_t eq = option.find('=');
      if (eq != std::string::npos) {
        value = option.substr(eq + 1);
        option.resize(eq);
        inlineValue = true;
      }
    }
    auto takeValue = [&]() -> const std::string& {
      if (inlineValue) return value;
      if (i + 1 >= args.size()) throw std::invalid_argument(option + " needs a value");
      value = args[++i];
      return value;
    };
    auto noValue = [&]() {
      if (inlineValue) throw std::invalid_argument(option + " takes no value");
    };

    if (option == "--location") {
      // Repeated, the lists add up.
      const std::string& list = takeValue();
      c.Files().SetLocation(
          sawLocation && !c.Files().Location().empty() ? c.Files().Location() + ";" + list : list);
      sawLocation = true;
    } else if (option == "--masks") {
      c.Files().SetFileName(takeValue());
    } else if (option == "--include") {
      c.Files().Included().push_back(takeValue());
      sawLocation = true;
    } else if (option == "--exclude") {
      c.Files().Excluded().push_back(takeValue());
    } else if (option == "--no-subfolders") {
      noValue();
      c.Files().SetSubfolders(false);
    } else if (option == "--min-level") {
      c.Files().SetMinLevel(parseNumber<std::uint16_t>(option, takeValue(), 65535));
    } else if (option == "--max-level") {
      c.Files().SetMaxLevel(parseNumber<std::uint16_t>(option, takeValue(), 65535));
    } else if (option == "--min-size") {
      c.Size().SetMin(
          parseNumber<std::int64_t>(option, takeValue(), std::numeric_limits<std::int64_t>::max()));
    } else if (option == "--max-size") {
      c.Size().SetMax(
          parseNumber<std::int64_t>(option, takeValue(), std::numeric_limits<std::int64_t>::max()));
    } else if (option == "--phrase") {
      c.Content().SetPhrase(takeValue());
    } else if (option == "--case-sensitive") {
      noValue();
      c.Content().SetIgnoreCase(false);
    } else if (option == "--whole-word") {
      noValue();
      c.Content().SetWholeWord(true);
    } else if (option == "--directories") {
      noValue();
      FileAttributes attributes = c.Attribute().Attributes();
      attributes.Include(ffDirectory);
      c.Attribute().SetAttributes(attributes);
    } else if (option == "--summary") {
      noValue();
      options.summary = true;
    } else if (option == "--no-readahead") {
      noValue();
      options.readAhead.threads = 0;
    } else if (option == "--readahead-threads") {
      options.readAhead.threads = parseNumber<unsigned>(option, takeValue(), 64);
    } else if (option == "--help" || option == "-h") {
      noValue();
      options.help = true;
    } else {
      throw std::invalid_argument("unknown argument '" + args[i] + "'");
    }
  }
  if (!options.help && !sawLocation) {
    throw std::invalid_argument("nothing to search: give --location or --include");
  }
  return options;
}

}  // namespace norvane
