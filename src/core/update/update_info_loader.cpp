#include "core/update/update_info_loader.h"

#include "core/update/content_hash.h"
#include "core/update/minisign.h"
#include "core/update/update_files.h"

namespace norvane {

namespace {

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string MakeTempFileName(FileMoves& files, const std::string& tempFolder) {
  return files.uniqueFileName(tempFolder);
}

UpdateInfoLoader::UpdateInfoLoader(HttpClient& http, FileMoves& files, std::string tempFolder,
                                   std::string publicKeyPath)
    : http_(http),
      files_(files),
      tempFolder_(std::move(tempFolder)),
      publicKeyPath_(std::move(publicKeyPath)) {}

DownloadInfo UpdateInfoLoader::load(const std::string& source) {
  const std::string name = trimmed(source);
  if (name.empty()) return {};
  if (files_.exists(name) && !files_.isFolder(name)) return DownloadInfo::fromFile(name);
  try {
    return fetchSigned(name);
  } catch (...) {
    return {};
  }
}

DownloadInfo UpdateInfoLoader::fetchSigned(const std::string& url) {
  std::string publicKey;
  if (files_.readFile(publicKeyPath_, publicKey, kMaxSignatureBytes) != 0) return {};
  const std::string address = splitHashedAddress(url).address;

  // A private folder: nobody else can put anything where the download lands.
  const std::string folder = MakeTempFileName(files_, tempFolder_);
  if (folder.empty() || files_.makeFolder(folder, 0700) != 0) return {};
  const std::string infoFile = folder + "/updata.txt";
  const std::string signatureFile = infoFile + kSignatureSuffix;

  DownloadInfo info;
  const HttpClient::Progress noProgress;
  if (http_.download(address, infoFile, noProgress).ok() &&
      http_.download(address + kSignatureSuffix, signatureFile, noProgress).ok()) {
    std::string content;
    std::string signature;
    if (files_.readFile(infoFile, content, kMaxInfoBytes) == 0 &&
        files_.readFile(signatureFile, signature, kMaxSignatureBytes) == 0 &&
        verifyMinisign(content, signature, publicKey) == SignatureCheck::Valid) {
      info = DownloadInfo::fromFile(infoFile);
    }
  }
  files_.removeFile(infoFile);
  files_.removeFile(signatureFile);
  files_.removeEmptyFolder(folder);
  return info;
}

}  // namespace norvane
