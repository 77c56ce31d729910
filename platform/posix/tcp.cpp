#include "platform/tcp.h"

#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace orv::platform {
namespace {

int Fd(intptr_t socket) { return static_cast<int>(socket); }

// Waits for `events` on the socket; 1 ready, 0 timed out, -1 error.
int PollFor(int fd, short events, uint32_t timeoutMs) {
  pollfd entry{fd, events, 0};
  while (true) {
    const int ready =
        poll(&entry, 1, static_cast<int>(timeoutMs > 0x7fffffffu ? 0x7fffffff : timeoutMs));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return ready;
    return 1;
  }
}

bool Resolve(const std::string& host, in_addr& address) {
  if (inet_pton(AF_INET, host.c_str(), &address) == 1) return true;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
  address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
  freeaddrinfo(found);
  return true;
}

}  // namespace

TcpConnection::TcpConnection(TcpConnection&& other) noexcept : socket_(other.socket_) {
  other.socket_ = -1;
}

TcpConnection& TcpConnection::operator=(TcpConnection&& other) noexcept {
  if (this != &other) {
    Close();
    socket_ = other.socket_;
    other.socket_ = -1;
  }
  return *this;
}

bool TcpConnection::IsOpen() const { return socket_ >= 0; }

void TcpConnection::Close() {
  if (socket_ >= 0) close(Fd(socket_));
  socket_ = -1;
}

TcpError TcpConnection::Connect(const std::string& host, int port, uint32_t timeoutMs) {
  Close();
  in_addr address{};
  if (host.empty() || port <= 0 || port > 65535 || !Resolve(host, address)) {
    return TcpError::kUnresolved;
  }
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return TcpError::kFailed;
  socket_ = fd;
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(static_cast<uint16_t>(port));
  target.sin_addr = address;
  // Non-blocking, so that an address that never answers costs the time-out, not minutes.
  if (connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0) {
    if (errno != EINPROGRESS) {
      Close();
      return TcpError::kRefused;
    }
    const int ready = PollFor(fd, POLLOUT, timeoutMs);
    int failure = 0;
    socklen_t size = sizeof failure;
    if (ready <= 0 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &size) != 0 || failure) {
      Close();
      return ready == 0 ? TcpError::kTimedOut : TcpError::kRefused;
    }
  }
  return TcpError::kNone;
}

TcpError TcpConnection::SendAll(std::string_view bytes, uint32_t timeoutMs) {
  if (socket_ < 0) return TcpError::kFailed;
  while (!bytes.empty()) {
    const ssize_t sent = send(Fd(socket_), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<size_t>(sent));
      continue;
    }
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      const int ready = PollFor(Fd(socket_), POLLOUT, timeoutMs);
      if (ready == 0) return TcpError::kTimedOut;
      if (ready < 0) return TcpError::kFailed;
      continue;
    }
    return TcpError::kClosed;
  }
  return TcpError::kNone;
}

TcpError TcpConnection::WaitReadable(uint32_t timeoutMs) {
  if (socket_ < 0) return TcpError::kFailed;
  const int ready = PollFor(Fd(socket_), POLLIN, timeoutMs);
  if (ready == 0) return TcpError::kTimedOut;
  return ready < 0 ? TcpError::kFailed : TcpError::kNone;
}

long TcpConnection::Receive(char* buffer, size_t size) {
  if (socket_ < 0) return -1;
  while (true) {
    const ssize_t got = recv(Fd(socket_), buffer, size, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      // Readable was reported, yet nothing came: wait once more, briefly.
      if (PollFor(Fd(socket_), POLLIN, 50) <= 0) return -1;
      continue;
    }
    return static_cast<long>(got);
  }
}

bool TcpListener::Listen(int port) {
  Close();
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  socket_ = fd;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 16) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    Close();
    return false;
  }
  port_ = ntohs(address.sin_port);
  return true;
}

TcpConnection TcpListener::Accept(uint32_t timeoutMs) {
  TcpConnection connection;
  if (socket_ < 0 || PollFor(Fd(socket_), POLLIN, timeoutMs) <= 0) return connection;
  const int fd = accept4(Fd(socket_), nullptr, nullptr, SOCK_CLOEXEC);
  if (fd >= 0) connection.socket_ = fd;
  return connection;
}

void TcpListener::Close() {
  if (socket_ >= 0) close(Fd(socket_));
  socket_ = -1;
  port_ = 0;
}

std::string LoginName() {
  // The name of the user id, as Windows names the logged-on user.
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  if (size <= 0 || size > (1 << 20)) size = 16384;
  std::string buffer(static_cast<size_t>(size), '\0');
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !found->pw_name) {
    return std::string();
  }
  return found->pw_name;
}

std::string MachineName() {
  char name[260] = {};
  if (gethostname(name, sizeof name - 1) != 0) return std::string();
  return std::string(name, strnlen(name, sizeof name - 1));
}

}  // namespace orv::platform
