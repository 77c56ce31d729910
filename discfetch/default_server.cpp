#include "discfetch/default_server.h"

#include <cstdlib>
#include <optional>

#include "text/number.h"

namespace orv::discfetch {
namespace {

// The CDDB service that took over from freedb.
const ServerAddress kPublicServer{"gnudb.gnudb.org", 80};

}  // namespace

ServerAddress ParseServerAddress(const std::string& text) {
  const size_t colon = text.rfind(':');
  ServerAddress address;
  address.host = text.substr(0, colon);
  if (colon != std::string::npos) {
    const std::optional<int> port = text::ParseDigits(std::string_view(text).substr(colon + 1), 5);
    if (!port || *port < 1 || *port > 65535) return kPublicServer;
    address.port = *port;
  }
  if (address.host.empty()) return kPublicServer;
  return address;
}

bool SplitProxyUrl(const std::string& text, std::string& host, int32_t& port) {
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  const size_t scheme = rest.find("://");
  if (scheme != std::string_view::npos) rest.remove_prefix(scheme + 3);
  rest = rest.substr(0, rest.find('/'));
  const size_t at = rest.rfind('@');  // user:password@ belongs to the other values
  if (at != std::string_view::npos) rest.remove_prefix(at + 1);
  const size_t colon = rest.rfind(':');
  if (colon != std::string_view::npos) {
    const std::optional<int> written = text::ParseDigits(rest.substr(colon + 1), 5);
    if (written && *written >= 1 && *written <= 65535) port = *written;
    rest = rest.substr(0, colon);
  }
  host = std::string(rest);
  return !host.empty();
}

ServerAddress DefaultServer() {
  const char* replaced = std::getenv("ORVHOST_CDDB_DEFAULT");
  if (!replaced || !*replaced) return kPublicServer;
  return ParseServerAddress(replaced);
}

}  // namespace orv::discfetch
