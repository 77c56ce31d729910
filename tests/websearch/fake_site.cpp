#include "tests/websearch/fake_site.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

namespace orv::testing {
namespace {

constexpr int kPollMs = 50;
constexpr size_t kMaxRequest = 64 * 1024;

const char* Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 302:
      return "Found";
    case 404:
      return "Not Found";
    case 407:
      return "Proxy Authentication Required";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

bool SendAll(int socket, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

FakeResponse Page(std::string body, std::string contentType) {
  FakeResponse response;
  response.body = std::move(body);
  response.contentType = std::move(contentType);
  return response;
}

FakeSite::FakeSite() {
  listener_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
      listen(listener_, 16) ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length)) {
    return;
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Run(); });
}

FakeSite::~FakeSite() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (listener_ >= 0) close(listener_);
}

std::string FakeSite::Root() const { return "http://127.0.0.1:" + std::to_string(port_); }

void FakeSite::Serve(const std::string& path, FakeResponse response) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_[path] = std::move(response);
}

std::vector<FakeRequest> FakeSite::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::vector<std::string> FakeSite::Paths() const {
  std::vector<std::string> paths;
  for (const FakeRequest& request : Requests()) paths.push_back(request.path);
  return paths;
}

void FakeSite::Run() {
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (poll(&waiting, 1, kPollMs) <= 0) continue;
    const int connection = accept(listener_, nullptr, nullptr);
    if (connection < 0) continue;
    Answer(connection);
    close(connection);
  }
}

void FakeSite::Answer(int connection) {
  std::string request;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequest) {
    if (stopping_ || std::chrono::steady_clock::now() > deadline) return;
    pollfd waiting{connection, POLLIN, 0};
    if (poll(&waiting, 1, kPollMs) <= 0) continue;
    char buffer[4096];
    const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
    if (n <= 0) return;
    request.append(buffer, static_cast<size_t>(n));
  }
  const size_t lineEnd = request.find("\r\n");
  const std::string line = request.substr(0, lineEnd);
  const size_t first = line.find(' '), last = line.rfind(' ');
  if (first == std::string::npos || last <= first) return;
  FakeRequest seen;
  seen.target = line.substr(first + 1, last - first - 1);
  seen.path = seen.target;
  if (seen.path.compare(0, 7, "http://") == 0) {
    const size_t slash = seen.path.find('/', 7);
    seen.path = slash == std::string::npos ? "/" : seen.path.substr(slash);
  }
  seen.headers = request.substr(lineEnd + 2, request.find("\r\n\r\n") - lineEnd - 2);
  FakeResponse response;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(seen);
    const auto route = routes_.find(seen.path);
    if (route != routes_.end()) {
      response = route->second;
    } else {
      response = Page("<html><body>Page introuvable</body></html>");
      response.status = 404;
    }
  }
  std::string head =
      "HTTP/1.1 " + std::to_string(response.status) + " " + Reason(response.status) + "\r\n";
  if (!response.contentType.empty()) head += "Content-Type: " + response.contentType + "\r\n";
  if (!response.location.empty()) head += "Location: " + response.location + "\r\n";
  if (response.fault != FakeResponse::Fault::kEndless) {
    head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
  }
  head += "Connection: close\r\n\r\n";
  switch (response.fault) {
    case FakeResponse::Fault::kNone:
      SendAll(connection, head + response.body);
      return;
    case FakeResponse::Fault::kClose:
      return;
    case FakeResponse::Fault::kGarbage:
      SendAll(connection, response.body);
      return;
    case FakeResponse::Fault::kDrip:
      // Each byte within the client's idle time: only a bound on the whole page stops it. The
      // send fails once the client has gone.
      if (!SendAll(connection, head)) return;
      for (char byte : response.body) {
        if (stopping_ || !SendAll(connection, std::string(1, byte))) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(response.dripMs));
      }
      return;
    case FakeResponse::Fault::kEndless: {
      if (!SendAll(connection, head)) return;
      std::string chunk = response.body.empty() ? std::string("x") : response.body;
      while (chunk.size() < 65536) chunk += chunk;
      while (!stopping_ && SendAll(connection, chunk)) {
      }
      return;
    }
    case FakeResponse::Fault::kCut:
    case FakeResponse::Fault::kStall:
      break;
  }
  SendAll(connection, head + response.body.substr(0, response.body.size() / 2));
  if (response.fault == FakeResponse::Fault::kCut) return;
  // Stall: silent until the client closes or the site stops.
  while (!stopping_) {
    pollfd waiting{connection, POLLIN, 0};
    if (poll(&waiting, 1, kPollMs) <= 0) continue;
    char buffer[256];
    if (recv(connection, buffer, sizeof buffer, 0) <= 0) return;
  }
}

int ServeUntilKilled(FakeSite& site) {
  if (site.Port() == 0) return 1;
  std::printf("port %d\n", site.Port());
  std::fflush(stdout);
  while (true) pause();
}

}  // namespace orv::testing
