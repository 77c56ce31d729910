// The parts of the web client both platforms share.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/page_fetch.h"
#include "text/number.h"

namespace orv::platform {

WebTimeouts CurrentWebTimeouts() {
  WebTimeouts timeouts;
  const char* override = std::getenv("ORV_WEB_TIMEOUT_MS");
  if (override && *override) {
    const int32_t ms = text::IntegerValue(override);
    if (ms > 0) {
      timeouts.connectMs = timeouts.idleMs = static_cast<uint32_t>(ms);
      timeouts.wholeMs = static_cast<uint32_t>(std::min<int64_t>(
          int64_t{ms} * kWholePageTimeouts, std::numeric_limits<uint32_t>::max()));
    }
  }
  return timeouts;
}

bool IsWebAddress(const std::string& address) {
  const auto startsWith = [&](const char* scheme) {
    size_t at = 0;
    for (; scheme[at]; ++at) {
      if (at >= address.size()) return false;
      char c = address[at];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != scheme[at]) return false;
    }
    return true;
  };
  return startsWith("http://") || startsWith("https://");
}

std::string RefusedAddressText(const std::string& address) {
  return "Refused address (only http and https are fetched): " + address.substr(0, 200);
}

std::string TooSlowText(uint32_t wholeMs) {
  return "The page was not whole after " + std::to_string(wholeMs) + " ms";
}

std::string TransferStatusText(size_t bytes, double seconds) {
  char text[128];
  if (seconds >= 1.0) {
    std::snprintf(text, sizeof text, "Read %zu bytes (%0.1f Kb/s)", bytes,
                  static_cast<double>(bytes) / 1024.0 / seconds);
  } else {
    std::snprintf(text, sizeof text, "Read %zu bytes", bytes);
  }
  return text;
}

void WebClient::SetProxy(const std::string& server, uint16_t port, bool use) {
  // A session made with other settings would keep using them: it is made again.
  if (use != useProxy_ || server != proxyServer_ || port != proxyPort_) DropSession();
  proxyServer_ = server;
  proxyPort_ = port;
  useProxy_ = use;
}

void WebClient::SetProxyLogin(const std::string& user, const std::string& password) {
  if (user != proxyUser_ || password != proxyPassword_) DropSession();
  proxyUser_ = user;
  proxyPassword_ = password;
}

}  // namespace orv::platform
