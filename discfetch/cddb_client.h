// The CDDB protocol client (level 5) over its HTTP gateway: every command is one HTTP/1.0 GET
// on a connection of its own, straight to the server or through an HTTP proxy. One client
// lives as long as the library; the import run sets its name, version and time-out.
//
// The four virtual operations are the ones a variant of the client may change: the hello text,
// the two names it carries, and the reception of an answer.
#ifndef ORV_DISCFETCH_CDDB_CLIENT_H
#define ORV_DISCFETCH_CDDB_CLIENT_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "discfetch/cddb_types.h"
#include "discfetch/disc_entry.h"
#include "platform/cd_drive.h"
#include "platform/tcp.h"

namespace orv::discfetch {

// Why the last command failed; nothing reads it but tests and a curious developer.
enum class CddbError {
  kNone,
  kUnresolved,
  kTimedOut,  // no data for longer than the time-out
  kTooSlow,   // data kept coming, but the answer was not whole within kAnswerTimeouts time-outs
  kBroken,
  kTooLarge,
  kProtocol
};

// An answer must be whole within this many time-outs of the request, however steadily it
// trickles in: 35 s for the 7 s of an import run. A CDDB answer is a few KiB; one still coming
// after that is a server feeding a byte now and then, which would otherwise hold the host's
// window for as long as it likes.
inline constexpr uint32_t kAnswerTimeouts = 5;

class CddbClient {
 public:
  virtual ~CddbClient() = default;

  void SetClient(std::string name, std::string version) {
    clientName_ = std::move(name);
    clientVersion_ = std::move(version);
  }
  void SetTimeout(uint32_t milliseconds) { timeoutMs_ = milliseconds; }
  uint32_t Timeout() const { return timeoutMs_; }
  void SetProxy(const ProxySettings& proxy) { proxy_ = proxy; }
  const ProxySettings& Proxy() const { return proxy_; }
  CddbError LastError() const { return lastError_; }

  // The sites list of the server at host, path and port.
  bool GetSites(const std::string& host, const std::string& path, int32_t port,
                std::vector<CddbSite>& sites);
  bool GetStatus(const CddbSite& site, ServerStatus& status);
  // True when at least one match was found.
  bool QueryDisc(const CddbSite& site, uint32_t discId, const platform::DiscToc& toc,
                 std::vector<QueryMatch>& matches);
  // True when an entry was received and parsed; its identifier is then the one asked for.
  bool ReadEntry(const CddbSite& site, const std::string& category, uint32_t discId,
                 DiscEntry& entry);

 protected:
  virtual std::string HelloText();
  virtual std::string UserName();
  virtual std::string HostName();
  // Receives into `text` until the answer is complete (see CompleteAnswerLength), cut where
  // the terminator begins. False when no data came for longer than the time-out, the answer
  // was not whole within kAnswerTimeouts time-outs, the peer closed or the connection broke
  // first, or the answer grew past kMaxAnswerBytes.
  virtual bool ReceiveUntil(platform::TcpConnection& connection, bool singleLine,
                            std::string& text);

 private:
  // Connects, sends the request of `command` for `site`, receives the answer; `body` is the
  // CDDB text behind the HTTP header, as the server sent it.
  bool Exchange(const CddbSite& site, std::string_view command, bool singleLine, std::string& body);

  std::string clientName_ = "CdLookup";
  std::string clientVersion_ = "1.24";
  int protoLevel_ = 5;
  uint32_t timeoutMs_ = 2000;
  ProxySettings proxy_;
  CddbError lastError_ = CddbError::kNone;
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_CDDB_CLIENT_H
