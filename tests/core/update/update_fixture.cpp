#include "core/update/update_fixture.h"

#include "core/update/content_hash.h"

namespace norvane::test {

std::string updateInfoText(int version, const std::vector<UpdateFile>& files,
                           const LocalServer& server) {
  std::string text =
      "[Version]\r\nPattern=1\r\nVersion=" + std::to_string(version) + "\r\n\r\n[Files]\r\n";
  for (const auto& file : files) {
    text +=
        file.key + "=" + server.url(file.path) + "#sha256=" + sha256OfText(file.content) + "\r\n";
  }
  return text;
}

std::string publishUpdate(LocalServer& server, const SigningKey& key, int version,
                          const std::vector<UpdateFile>& files) {
  for (const auto& file : files) server.serve(file.path, file.content);
  TempDir work;
  const std::string info = work.writeFile("updata.txt", updateInfoText(version, files, server));
  key.sign(info);
  server.serve("/updata.txt", readWholeFile(info));
  server.serve("/updata.txt.minisig", readWholeFile(info + ".minisig"));
  return server.url("/updata.txt");
}

}  // namespace norvane::test
