// Winsock 1.1 calls only (socket, connect, select, send, recv, gethostbyname), so the DLL runs
// wherever the host does.
// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on

#include "platform/tcp.h"

namespace orv::platform {
namespace {

SOCKET Sock(intptr_t socket) { return static_cast<SOCKET>(socket); }

bool StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(1, 1), &data) == 0;
  }();
  return started;
}

// 1 ready, 0 timed out, -1 error.
int SelectFor(SOCKET socket, bool write, uint32_t timeoutMs) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  fd_set failed;
  FD_ZERO(&failed);
  FD_SET(socket, &failed);
  timeval wait{static_cast<long>(timeoutMs / 1000), static_cast<long>(timeoutMs % 1000) * 1000};
  const int ready = select(0, write ? nullptr : &set, write ? &set : nullptr, &failed, &wait);
  if (ready < 0) return -1;
  if (ready == 0) return 0;
  return FD_ISSET(socket, &failed) ? -1 : 1;
}

bool Resolve(const std::string& host, in_addr& address) {
  const unsigned long dotted = inet_addr(host.c_str());
  if (dotted != INADDR_NONE) {
    address.s_addr = dotted;
    return true;
  }
  const hostent* found = gethostbyname(host.c_str());
  if (!found || found->h_addrtype != AF_INET || !found->h_addr_list || !found->h_addr_list[0]) {
    return false;
  }
  memcpy(&address, found->h_addr_list[0], sizeof address);
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

bool TcpConnection::IsOpen() const { return socket_ != -1; }

void TcpConnection::Close() {
  if (socket_ != -1) closesocket(Sock(socket_));
  socket_ = -1;
}

TcpError TcpConnection::Connect(const std::string& host, int port, uint32_t timeoutMs) {
  Close();
  if (!StartWinsock()) return TcpError::kFailed;
  in_addr address{};
  if (host.empty() || port <= 0 || port > 65535 || !Resolve(host, address)) {
    return TcpError::kUnresolved;
  }
  const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) return TcpError::kFailed;
  socket_ = static_cast<intptr_t>(s);
  // Non-blocking, so that an address that never answers costs the time-out, not minutes.
  u_long nonBlocking = 1;
  ioctlsocket(s, FIONBIO, &nonBlocking);
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(static_cast<u_short>(port));
  target.sin_addr = address;
  if (connect(s, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0) {
    if (WSAGetLastError() != WSAEWOULDBLOCK) {
      Close();
      return TcpError::kRefused;
    }
    const int ready = SelectFor(s, true, timeoutMs);
    if (ready <= 0) {
      Close();
      return ready == 0 ? TcpError::kTimedOut : TcpError::kRefused;
    }
  }
  return TcpError::kNone;
}

TcpError TcpConnection::SendAll(std::string_view bytes, uint32_t timeoutMs) {
  if (socket_ == -1) return TcpError::kFailed;
  while (!bytes.empty()) {
    const int chunk = bytes.size() > 0x10000 ? 0x10000 : static_cast<int>(bytes.size());
    const int sent = send(Sock(socket_), bytes.data(), chunk, 0);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<size_t>(sent));
      continue;
    }
    if (sent < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
      const int ready = SelectFor(Sock(socket_), true, timeoutMs);
      if (ready == 0) return TcpError::kTimedOut;
      if (ready < 0) return TcpError::kFailed;
      continue;
    }
    return TcpError::kClosed;
  }
  return TcpError::kNone;
}

TcpError TcpConnection::WaitReadable(uint32_t timeoutMs) {
  if (socket_ == -1) return TcpError::kFailed;
  const int ready = SelectFor(Sock(socket_), false, timeoutMs);
  if (ready == 0) return TcpError::kTimedOut;
  return ready < 0 ? TcpError::kFailed : TcpError::kNone;
}

long TcpConnection::Receive(char* buffer, size_t size) {
  if (socket_ == -1) return -1;
  const int want = size > 0x10000 ? 0x10000 : static_cast<int>(size);
  while (true) {
    const int got = recv(Sock(socket_), buffer, want, 0);
    if (got < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
      if (SelectFor(Sock(socket_), false, 50) <= 0) return -1;
      continue;
    }
    return got;
  }
}

bool TcpListener::Listen(int port) {
  Close();
  if (!StartWinsock()) return false;
  const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) return false;
  socket_ = static_cast<intptr_t>(s);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof address;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 16) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    Close();
    return false;
  }
  port_ = ntohs(address.sin_port);
  return true;
}

TcpConnection TcpListener::Accept(uint32_t timeoutMs) {
  TcpConnection connection;
  if (socket_ == -1 || SelectFor(Sock(socket_), false, timeoutMs) <= 0) return connection;
  const SOCKET s = accept(Sock(socket_), nullptr, nullptr);
  if (s != INVALID_SOCKET) connection.socket_ = static_cast<intptr_t>(s);
  return connection;
}

void TcpListener::Close() {
  if (socket_ != -1) closesocket(Sock(socket_));
  socket_ = -1;
  port_ = 0;
}

std::string LoginName() {
  char name[260] = {};
  DWORD size = sizeof name;
  if (!GetUserNameA(name, &size) || size == 0) return std::string();
  return std::string(name, strnlen(name, sizeof name - 1));
}

std::string MachineName() {
  if (!StartWinsock()) return std::string();
  char name[260] = {};
  if (gethostname(name, sizeof name - 1) != 0) return std::string();
  return std::string(name, strnlen(name, sizeof name - 1));
}

}  // namespace orv::platform
