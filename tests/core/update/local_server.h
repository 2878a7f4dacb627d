#pragma once
// A real HTTP server on 127.0.0.1 for the update tests, serving what each test puts in it:
// plain files, 404, HEAD without Content-Length, a body cut short and a slow body.
#include <httplib.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace norvane::test {

class LocalServer {
 public:
  LocalServer();
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  // "http://127.0.0.1:<port>" + path
  std::string url(const std::string& path) const;

  // Served with Content-Length, for GET and HEAD.
  void serve(const std::string& path, std::string content);
  // Served chunked: no Content-Length.
  void serveWithoutLength(const std::string& path, std::string content);
  // Announces the whole length but sends only `sent` bytes, then closes the connection.
  void serveCutShort(const std::string& path, std::string content, std::size_t sent);
  // Sends `content` in pieces of `piece` bytes with `pauseMs` between them.
  void serveSlowly(const std::string& path, std::string content, std::size_t piece, int pauseMs);
  // HEAD answers as for `content`; GET answers 404.
  void serveHeadOnly(const std::string& path, std::string content);
  // Answers with a redirect to `target` (a path on this server).
  void redirect(const std::string& path, const std::string& target);

  // Requests seen, "GET /a" or "HEAD /a", in order.
  std::vector<std::string> requests() const;
  // The raw request targets, to see that no fragment was sent.
  std::vector<std::string> targets() const;
  void clearRequests();

 private:
  enum class Kind { Plain, NoLength, CutShort, Slow, Redirect, HeadOnly };
  struct Resource {
    Kind kind = Kind::Plain;
    std::string content;
    std::size_t amount = 0;  // bytes sent (cut short) or piece size (slow)
    int pauseMs = 0;
  };
  void handle(const httplib::Request& request, httplib::Response& response);

  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::map<std::string, Resource> resources_;
  std::vector<std::string> requests_;
  std::vector<std::string> targets_;
  std::atomic<bool> closing_{false};
};

}  // namespace norvane::test
