#include "core/update/local_server.h"

#include <chrono>
#include <stdexcept>

namespace norvane::test {

LocalServer::LocalServer() {
  const auto handler = [this](const httplib::Request& request, httplib::Response& response) {
    handle(request, response);
  };
  server_.Get(".*", handler);
  port_ = server_.bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("no port on 127.0.0.1");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
  while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LocalServer::~LocalServer() {
  closing_ = true;
  server_.stop();
  if (thread_.joinable()) thread_.join();
}

std::string LocalServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LocalServer::serve(const std::string& path, std::string content) {
  std::lock_guard<std::mutex> hold(mutex_);
  resources_[path] = Resource{Kind::Plain, std::move(content), 0, 0};
}

void LocalServer::serveWithoutLength(const std::string& path, std::string content) {
  std::lock_guard<std::mutex> hold(mutex_);
  resources_[path] = Resource{Kind::NoLength, std::move(content), 0, 0};
}

void LocalServer::serveCutShort(const std::string& path, std::string content, std::size_t sent) {
  std::lock_guard<std::mutex> hold(mutex_);
  resources_[path] = Resource{Kind::CutShort, std::move(content), sent, 0};
}

void LocalServer::serveSlowly(const std::string& path, std::string content, std::size_t piece,
                              int pauseMs) {
  std::lock_guard<std::mutex> hold(mutex_);
  resources_[path] = Resource{Kind::Slow, std::move(content), piece, pauseMs};
}

void LocalServer::serveHeadOnly(const std::string& path, std::string content) {
  std::lock_guard<std::mutex> hold(mutex_);
  resources_[path] = Resource{Kind::HeadOnly, std::move(content), 0, 0};
}

void LocalServer::redirect(const std::string& path, const std::string& target) {
  std::lock_guard<std::mutex> hold(mutex_);
  resources_[path] = Resource{Kind::Redirect, target, 0, 0};
}

std::vector<std::string> LocalServer::requests() const {
  std::lock_guard<std::mutex> hold(mutex_);
  return requests_;
}

std::vector<std::string> LocalServer::targets() const {
  std::lock_guard<std::mutex> hold(mutex_);
  return targets_;
}

void LocalServer::clearRequests() {
  std::lock_guard<std::mutex> hold(mutex_);
  requests_.clear();
  targets_.clear();
}

void LocalServer::handle(const httplib::Request& request, httplib::Response& response) {
  Resource resource;
  {
    std::lock_guard<std::mutex> hold(mutex_);
    requests_.push_back(request.method + " " + request.path);
    targets_.push_back(request.target);
    const auto found = resources_.find(request.path);
    if (found == resources_.end()) {
      response.status = 404;
      response.set_content("not found", "text/plain");
      return;
    }
    resource = found->second;
  }
  const std::string type = "application/octet-stream";
  switch (resource.kind) {
    case Kind::Plain:
      response.set_content(resource.content, type.c_str());
      break;
    case Kind::HeadOnly:
      if (request.method == "HEAD") {
        response.set_content(resource.content, type.c_str());
      } else {
        response.status = 404;
      }
      break;
    case Kind::Redirect:
      response.set_redirect(url(resource.content));
      break;
    case Kind::NoLength: {
      auto content = std::make_shared<std::string>(resource.content);
      response.set_chunked_content_provider(
          type, [content](size_t offset, httplib::DataSink& sink) {
            if (offset < content->size()) {
              sink.write(content->data() + offset, content->size() - offset);
            } else {
              sink.done();
            }
            return true;
          });
      break;
    }
    case Kind::CutShort: {
      auto content = std::make_shared<std::string>(resource.content);
      const std::size_t sent = resource.amount;
      response.set_content_provider(
          content->size(), type, [content, sent](size_t offset, size_t, httplib::DataSink& sink) {
            if (offset >= sent) return false;  // closes the connection early
            sink.write(content->data() + offset, sent - offset);
            return true;
          });
      break;
    }
    case Kind::Slow: {
      auto content = std::make_shared<std::string>(resource.content);
      const std::size_t piece = resource.amount;
      const int pause = resource.pauseMs;
      response.set_content_provider(
          content->size(), type,
          [this, content, piece, pause](size_t offset, size_t length, httplib::DataSink& sink) {
            for (int waited = 0; waited < pause; waited += 10) {
              if (closing_) return false;
              std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            const std::size_t n = std::min(piece, length);
            return sink.write(content->data() + offset, n);
          });
      break;
    }
  }
}

}  // namespace norvane::test
