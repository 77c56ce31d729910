#include "discfetch/cddb_client.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "discfetch/cddb_answer.h"
#include "discfetch/cddb_request.h"
#include "discfetch/disc_id.h"
#include "platform/clock.h"

namespace orv::discfetch {

std::string CddbClient::UserName() {
  const std::string name = platform::LoginName();
  return name.empty() ? "Unknown" : HelloWord(name);
}

std::string CddbClient::HostName() {
  const std::string name = platform::MachineName();
  return name.empty() ? "Unknown" : HelloWord(name);
}

std::string CddbClient::HelloText() {
  if (email_.empty()) {
    return FormatHello(UserName(), HostName(), clientName_, clientVersion_, protoLevel_);
  }
  const auto [user, host] = IdentityWords(email_);
  return FormatHello(user, host.empty() ? HostName() : host, clientName_, clientVersion_,
                     protoLevel_);
}

bool CddbClient::ReceiveUntil(platform::TcpConnection& connection, bool singleLine,
                              std::string& text) {
  text.clear();
  AnswerReception answer(singleLine);
  char buffer[4096];
  const uint32_t started = platform::TickCountMs();
  const uint64_t wholeMs = uint64_t{timeoutMs_} * kAnswerTimeouts;
  uint32_t lastData = started;
  while (true) {
    const uint32_t now = platform::TickCountMs();
    const uint32_t waited = now - lastData;
    if (waited > timeoutMs_) {
      lastError_ = CddbError::kTimedOut;
      return false;
    }
    // A server that keeps sending a byte now and then must not hold the host for ever.
    const uint64_t elapsed = now - started;
    if (elapsed > wholeMs) {
      lastError_ = CddbError::kTooSlow;
      return false;
    }
    // Waiting for data rather than polling: the answer is taken as soon as it comes.
    const uint64_t wait = std::min<uint64_t>(timeoutMs_ - waited, wholeMs - elapsed) + 1;
    const platform::TcpError ready = connection.WaitReadable(static_cast<uint32_t>(wait));
    if (ready == platform::TcpError::kTimedOut) continue;
    if (ready != platform::TcpError::kNone) {
      lastError_ = CddbError::kBroken;
      return false;
    }
    const long got = connection.Receive(buffer, sizeof buffer);
    if (got <= 0) {
      // A server that refuses closes after its one line (CDDB) or its error page (HTTP): what
      // came is the whole answer.
      const std::string& sofar = answer.Text();
      if (got == 0 && (HttpStatus(sofar) >= 400 || CompleteAnswerLength(sofar, true))) {
        text = sofar;
        return true;
      }
      lastError_ = CddbError::kBroken;  // closed or broken before the answer was complete
      return false;
    }
    lastData = platform::TickCountMs();
    switch (answer.Add(std::string_view(buffer, static_cast<size_t>(got)))) {
      case AnswerReception::State::kIncomplete:
        break;
      case AnswerReception::State::kTooLarge:
        lastError_ = CddbError::kTooLarge;
        return false;
      case AnswerReception::State::kComplete:
        text = answer.Text();
        return true;
    }
  }
}

bool CddbClient::Exchange(const CddbSite& site, std::string_view command, bool singleLine,
                          std::string& body) {
  lastError_ = CddbError::kNone;
  serverLine_.clear();
  const bool viaProxy = !proxy_.host.empty();
  const std::string& host = viaProxy ? proxy_.host : site.host;
  const int32_t port = viaProxy ? proxy_.port : site.port;
  lastServer_ = site.host + ":" + std::to_string(site.port);
  if (waitNotice_) waitNotice_(lastServer_);
  platform::TcpConnection connection;
  const platform::TcpError connected = connection.Connect(host, port, timeoutMs_);
  if (connected != platform::TcpError::kNone) {
    if (viaProxy) lastServer_ = host + ":" + std::to_string(port);
    lastError_ = connected == platform::TcpError::kUnresolved ? CddbError::kUnresolved
                                                              : CddbError::kUnreachable;
    return false;
  }
  const std::string request = FormatRequest(site, command, HelloText(), proxy_);
  if (connection.SendAll(request, timeoutMs_) != platform::TcpError::kNone) {
    lastError_ = CddbError::kBroken;
    return false;
  }
  std::string received;
  if (!ReceiveUntil(connection, singleLine, received)) return false;
  // Throttling, a closed door, a server down for maintenance: the gateway's own refusal.
  if (HttpStatus(received) >= 400) {
    serverLine_ = std::string(FirstLine(received));
    lastError_ = CddbError::kRefused;
    return false;
  }
  const std::optional<std::string_view> cddb = AnswerBody(received);
  if (!cddb) {
    lastError_ = CddbError::kProtocol;
    return false;
  }
  body = std::string(*cddb);
  return true;
}

bool CddbClient::Command(const CddbSite& site, std::string_view command, bool singleLine,
                         std::string& body) {
  if (!Exchange(site, command, singleLine, body)) return false;
  if (protoLevel_ > kFallbackProtocolLevel && RefusesProtocolLevel(body)) {
    protoLevel_ = kFallbackProtocolLevel;
    if (!Exchange(site, command, singleLine, body)) return false;
  }
  const int code = StatusCode(body);
  if (code >= 400 && code <= 599) {
    serverLine_ = std::string(FirstLine(body));
    lastError_ = CddbError::kRefused;
    return false;
  }
  return true;
}

bool CddbClient::GetSites(const std::string& host, const std::string& path, int32_t port,
                          std::vector<CddbSite>& sites) {
  CddbSite site;
  site.host = host;
  site.path = path;
  site.port = port;
  std::string body;
  if (!Command(site, "cmd=sites", false, body)) return false;
  if (ParseSites(body, sites)) return true;
  lastError_ = CddbError::kProtocol;
  return false;
}

bool CddbClient::GetStatus(const CddbSite& site, ServerStatus& status) {
  std::string body;
  if (!Command(site, "cmd=stat", false, body)) return false;
  if (ParseStatus(body, status)) return true;
  lastError_ = CddbError::kProtocol;
  return false;
}

bool CddbClient::QueryDisc(const CddbSite& site, uint32_t discId, const platform::DiscToc& toc,
                           std::vector<QueryMatch>& matches) {
  matches.clear();
  lastQueryStatus_ = -1;
  const std::array<std::string, 4> arguments = FormatQueryArguments(discId, toc);
  const std::string command = "cmd=cddb+query+" + arguments[0] + "+" + arguments[1] + "+" +
                              arguments[2] + "+" + arguments[3];
  std::string body;
  if (!Command(site, command, true, body)) return false;
  lastQueryStatus_ = StatusCode(body);
  if (ParseQuery(body, matches)) return true;
  // "No match" is an answer, not a fault.
  lastError_ = StatusCode(body) == 202 ? CddbError::kNoMatch : CddbError::kProtocol;
  return false;
}

bool CddbClient::ReadEntry(const CddbSite& site, const std::string& category, uint32_t discId,
                           DiscEntry& entry) {
  char id[16];
  std::snprintf(id, sizeof id, "%08x", static_cast<unsigned>(discId));
  std::string body;
  if (!Command(site, "cmd=cddb+read+" + category + "+" + id, false, body)) return false;
  const std::optional<std::string_view> text = ReadAnswerEntry(body);
  if (!text || !ParseDiscEntry(EntryTextToUser(*text), entry)) {
    lastError_ = CddbError::kProtocol;
    return false;
  }
  entry.discId = discId;
  lastEntryText_ = std::string(*text);
  return true;
}

}  // namespace orv::discfetch
