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

ServerAddress DefaultServer() {
  const char* replaced = std::getenv("ORVHOST_CDDB_DEFAULT");
  if (!replaced || !*replaced) return kPublicServer;
  return ParseServerAddress(replaced);
}

}  // namespace orv::discfetch
