#pragma once
// An update published on a local server: files with hashed addresses, an update information
// file signed with minisign, and a program folder with "update.pub" beside the program.
#include <map>
#include <string>
#include <vector>

#include "core/update/local_server.h"
#include "core/update/signing_key.h"
#include "support/temp_dir.h"

namespace norvane::test {

struct UpdateFile {
  std::string key;      // the [Files] key, e.g. "%App%/data/a.txt"
  std::string content;  // what the server sends
  std::string path;     // where it is served, e.g. "/files/a.txt"
};

// Builds "updata.txt" text: [Version] and [Files] with "<url>#sha256=<hash>" values.
std::string updateInfoText(int version, const std::vector<UpdateFile>& files,
                           const LocalServer& server);

// Serves the files, "updata.txt" and its signature; returns the address of "updata.txt".
std::string publishUpdate(LocalServer& server, const SigningKey& key, int version,
                          const std::vector<UpdateFile>& files);

}  // namespace norvane::test
