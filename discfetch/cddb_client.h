// The CDDB protocol client over its HTTP gateway: every command is one HTTP/1.0 GET on a
// connection of its own, straight to the server or through an HTTP proxy. It asks at protocol
// level 6 (UTF-8 entries) and falls back to level 5 for a server that refuses 6. One client
// lives as long as the library; the import run sets its name, version, identity and time-out.
//
// The four virtual operations are the ones a variant of the client may change: the hello text,
// the two names it carries, and the reception of an answer.
#ifndef ORV_DISCFETCH_CDDB_CLIENT_H
#define ORV_DISCFETCH_CDDB_CLIENT_H

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "discfetch/cddb_types.h"
#include "discfetch/disc_entry.h"
#include "platform/cd_drive.h"
#include "platform/tcp.h"

namespace orv::discfetch {

// Why the last command failed; the import run tells the user.
enum class CddbError {
  kNone,
  kUnresolved,   // the name did not resolve
  kUnreachable,  // the connection could not be made
  kTimedOut,     // no data for longer than the time-out
  kTooSlow,      // data kept coming, but the answer was not whole within kAnswerTimeouts time-outs
  kBroken,       // the connection closed or broke before the answer was whole
  kTooLarge,
  kProtocol,  // an answer that makes no sense
  kNoMatch,   // the query's 202: the server does not know the disc
  kRefused,   // HTTP 4xx/5xx or CDDB 4xx/5xx; ServerLine() holds the server's own line
};

inline constexpr int kProtocolLevel = 6;
inline constexpr int kFallbackProtocolLevel = 5;

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
  // The e-mail address the hello carries instead of the login and machine names; "" for none.
  void SetIdentity(std::string email) { email_ = std::move(email); }
  // The level asked next; a server that refuses 6 brings it down to 5 until it is set again.
  void SetProtocolLevel(int level) { protoLevel_ = level; }
  int ProtocolLevel() const { return protoLevel_; }
  // Called with "host:port" before every connection, so a waiting user can be told.
  void SetWaitNotice(std::function<void(const std::string& server)> notice) {
    waitNotice_ = std::move(notice);
  }
  CddbError LastError() const { return lastError_; }
  // For kRefused, the line the server refused with ("500 Unknown developer email").
  const std::string& ServerLine() const { return serverLine_; }
  // The CDDB status code of the last query's answer (211: inexact matches); -1 without one.
  int LastQueryStatus() const { return lastQueryStatus_; }
  // The entry text of the last successful read, as the server sent it.
  const std::string& LastEntryText() const { return lastEntryText_; }
  // "host:port" of the last command's server (the proxy's when the proxy could not be reached).
  const std::string& LastServer() const { return lastServer_; }

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
  // Exchange, asked again at level 5 when the server refuses level 6; a CDDB 4xx/5xx answer
  // other than the query's 202 is kRefused.
  bool Command(const CddbSite& site, std::string_view command, bool singleLine, std::string& body);

  std::string clientName_ = "CdLookup";
  std::string clientVersion_ = "1.24";
  int protoLevel_ = kProtocolLevel;
  uint32_t timeoutMs_ = 2000;
  ProxySettings proxy_;
  std::string email_;
  std::function<void(const std::string&)> waitNotice_;
  CddbError lastError_ = CddbError::kNone;
  std::string serverLine_;
  std::string lastServer_;
  int lastQueryStatus_ = -1;
  std::string lastEntryText_;
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_CDDB_CLIENT_H
