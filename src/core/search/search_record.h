#pragma once
// The file information a search hands to its match handler.
#include <cstdint>
#include <string>

#include "core/search/search_types.h"
#include "platform/file_identity.h"

namespace norvane {

// The platform's raw find data of one entry.
struct Win32FindData {
  std::uint32_t dwFileAttributes = 0;
  FileTime ftCreationTime = 0;
  FileTime ftLastAccessTime = 0;
  FileTime ftLastWriteTime = 0;
  std::uint32_t nFileSizeHigh = 0;
  std::uint32_t nFileSizeLow = 0;
  std::string cFileName;
  std::string cAlternateFileName;  // no short names on this platform: always empty
};

struct SearchRecord {
  std::int32_t Time = 0;  // last write, local, as DOS date (high half) and time (low half)
  std::int64_t Size = 0;
  std::uint32_t Attr = 0;
  std::string Name;  // without path
  Win32FindData FindData;
  // The entry and the folder it was found in, so that whoever acts on it later can tell
  // whether the path still leads to them.
  FileIdentity Identity;
  FileIdentity FolderIdentity;
};

}  // namespace norvane
