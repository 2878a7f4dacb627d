#pragma once
// Fetches update information. From the network it is used only when its detached minisign
// signature (the same address + ".minisig") verifies against the public key file beside the
// program; without that key, without a signature or with a bad one nothing is loaded. A local
// file named as the source is read as it is.
#include <string>

#include "core/update/download_info.h"
#include "platform/file_moves.h"
#include "platform/http_client.h"

namespace norvane {

class UpdateInfoLoader {
 public:
  static constexpr std::size_t kMaxInfoBytes = 1 << 20;
  static constexpr std::size_t kMaxSignatureBytes = 64 << 10;

  UpdateInfoLoader(HttpClient& http, FileMoves& files, std::string tempFolder,
                   std::string publicKeyPath);

  // Never fails; a problem gives an empty DownloadInfo. Nothing fetched stays on disk.
  DownloadInfo load(const std::string& source);

 private:
  DownloadInfo fetchSigned(const std::string& url);

  HttpClient& http_;
  FileMoves& files_;
  std::string tempFolder_;
  std::string publicKeyPath_;
};

// A unique name in the temporary folder; nothing exists at it afterwards.
std::string MakeTempFileName(FileMoves& files, const std::string& tempFolder);

}  // namespace norvane
