#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>

#include "core/update/local_server.h"
#include "core/update/remote_size.h"
#include "platform/posix/curl_http_client.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::LocalServer;
using test::TempDir;

TEST(CurlHttpClient, RemoteSizeNeedsStatus200AndALength) {
  LocalServer server;
  server.serve("/a.bin", std::string(1234, 'a'));
  server.serveWithoutLength("/chunked.bin", "abc");
  server.redirect("/moved.bin", "/a.bin");
  CurlHttpClient http;
  EXPECT_EQ(GetRemoteFileSize(http, server.url("/a.bin")), 1234);
  EXPECT_EQ(GetRemoteFileSize(http, server.url("/moved.bin")), 1234);
  EXPECT_EQ(GetRemoteFileSize(http, server.url("/a.bin#sha256=00")), 1234);
  EXPECT_EQ(GetRemoteFileSize(http, server.url("/missing.bin")), -1);
  EXPECT_EQ(GetRemoteFileSize(http, server.url("/chunked.bin")), -1);
  EXPECT_EQ(GetRemoteFileSize(http, ""), -1);
  // Nothing listens on port 9 of the loopback address.
  EXPECT_EQ(GetRemoteFileSize(http, "http://127.0.0.1:9/a.bin"), -1);
  // The fragment never reaches the server.
  for (const auto& target : server.targets()) EXPECT_EQ(target.find('#'), std::string::npos);
}

TEST(CurlHttpClient, DownloadsToTheFileWithProgressAndReportsFailures) {
  LocalServer server;
  const std::string body(300000, 'b');
  server.serve("/b.bin", body);
  server.serveCutShort("/short.bin", std::string(100000, 's'), 40000);
  server.redirect("/moved.bin", "/b.bin");
  TempDir dir;
  CurlHttpClient http;
  std::uint64_t lastDone = 0;
  std::uint64_t lastTotal = 0;
  int calls = 0;
  const HttpClient::Progress progress = [&](std::uint64_t done, std::uint64_t total) {
    EXPECT_GE(done, lastDone);
    lastDone = done;
    lastTotal = total;
    ++calls;
    return true;
  };
  EXPECT_TRUE(http.download(server.url("/b.bin"), dir / "b.bin", progress).ok());
  EXPECT_EQ(test::readWholeFile(dir / "b.bin"), body);
  EXPECT_GT(calls, 0);
  EXPECT_EQ(lastDone, body.size());
  EXPECT_EQ(lastTotal, body.size());
  EXPECT_TRUE(http.download(server.url("/moved.bin"), dir / "m.bin", {}).ok());
  EXPECT_EQ(test::readWholeFile(dir / "m.bin"), body);
  EXPECT_EQ(http.download(server.url("/missing.bin"), dir / "x.bin", {}).status,
            DownloadStatus::Failed);
  EXPECT_EQ(http.download(server.url("/short.bin"), dir / "s.bin", {}).status,
            DownloadStatus::Failed);
  // Never written through a link.
  ASSERT_EQ(::symlink((dir / "target").c_str(), (dir / "link").c_str()), 0);
  EXPECT_FALSE(http.download(server.url("/b.bin"), dir / "link", {}).ok());
  EXPECT_EQ(test::readWholeFile(dir / "target"), "");
}

TEST(CurlHttpClient, ProgressAnswersAbortAndExceptionsEndTheTransfer) {
  LocalServer server;
  server.serveSlowly("/slow.bin", std::string(200000, 'w'), 1000, 20);
  TempDir dir;
  CurlHttpClient http;
  const auto started = std::chrono::steady_clock::now();
  const DownloadResult aborted =
      http.download(server.url("/slow.bin"), dir / "w.bin",
                    [](std::uint64_t done, std::uint64_t) { return done < 3000; });
  EXPECT_EQ(aborted.status, DownloadStatus::Aborted);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
  struct HandlerFailure {};
  EXPECT_THROW(http.download(server.url("/slow.bin"), dir / "w.bin",
                             [](std::uint64_t done, std::uint64_t) -> bool {
                               if (done > 0) throw HandlerFailure{};
                               return true;
                             }),
               HandlerFailure);
}

TEST(CurlHttpClient, AStalledServerEndsTheTransferWithinItsLimit) {
  LocalServer server;
  server.serveSlowly("/stalled.bin", std::string(10000, 's'), 100, 5000);
  TempDir dir;
  CurlHttpClient http(HttpLimits{2, 1});
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(http.download(server.url("/stalled.bin"), dir / "s.bin", {}).status,
            DownloadStatus::Failed);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
}

}  // namespace
}  // namespace norvane
