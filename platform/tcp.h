// TCP over IPv4 for the protocol clients: one connection per command, every wait bounded.
//
// Windows uses Winsock (started once per module, on first use), Linux POSIX sockets. A host is a
// dotted address or a name resolved to its first IPv4 address. The listener exists for the
// tests' loopback fake servers (port 0: the system picks a free port).
#ifndef ORV_PLATFORM_TCP_H
#define ORV_PLATFORM_TCP_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv::platform {

enum class TcpError { kNone, kUnresolved, kRefused, kTimedOut, kClosed, kFailed };

class TcpConnection {
 public:
  TcpConnection() = default;
  ~TcpConnection() { Close(); }
  TcpConnection(TcpConnection&& other) noexcept;
  TcpConnection& operator=(TcpConnection&& other) noexcept;
  TcpConnection(const TcpConnection&) = delete;
  TcpConnection& operator=(const TcpConnection&) = delete;

  // Resolves and connects, waiting at most `timeoutMs` for the connection to be made.
  TcpError Connect(const std::string& host, int port, uint32_t timeoutMs);
  // Sends every byte, waiting at most `timeoutMs` whenever the connection takes none.
  TcpError SendAll(std::string_view bytes, uint32_t timeoutMs);
  // Waits at most `timeoutMs` for bytes (or the end) to be readable. kNone when readable,
  // kTimedOut when nothing came, kFailed on an error.
  TcpError WaitReadable(uint32_t timeoutMs);
  // Up to `size` bytes; 0 when the peer closed, -1 on an error.
  long Receive(char* buffer, size_t size);
  void Close();
  bool IsOpen() const;

 private:
  friend class TcpListener;
  intptr_t socket_ = -1;
};

class TcpListener {
 public:
  TcpListener() = default;
  ~TcpListener() { Close(); }
  TcpListener(const TcpListener&) = delete;
  TcpListener& operator=(const TcpListener&) = delete;

  // Listens on 127.0.0.1 at `port` (0: any free port). False when that is refused.
  bool Listen(int port = 0);
  int Port() const { return port_; }
  // The next connection, waiting at most `timeoutMs`; a closed connection when none came.
  TcpConnection Accept(uint32_t timeoutMs);
  void Close();

 private:
  intptr_t socket_ = -1;
  int port_ = 0;
};

// The names the CDDB hello carries; empty when the system gives none.
std::string LoginName();    // GetUserNameA; the login name of the user id on Linux
std::string MachineName();  // gethostname

}  // namespace orv::platform

#endif  // ORV_PLATFORM_TCP_H
