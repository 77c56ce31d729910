// The public CDDB server: the default of the "cddbsite" option, the server asked for the
// sites list, and what "RàZ" brings back. $ORVHOST_CDDB_DEFAULT ("host:port") replaces it in
// all three, so that tests and offline use never reach outside the machine.
#ifndef ORV_DISCFETCH_DEFAULT_SERVER_H
#define ORV_DISCFETCH_DEFAULT_SERVER_H

#include <cstdint>
#include <string>

namespace orv::discfetch {

struct ServerAddress {
  std::string host;
  int32_t port = 80;
};

ServerAddress DefaultServer();

// "host:port", "host" (port 80); nothing usable (an empty host, a port outside 1 to 65535)
// gives the public server.
ServerAddress ParseServerAddress(const std::string& text);

// The host's ProxyUrl value: a bare host or dotted address, or written as an address,
// "http://host:port/" (scheme, port and path each optional). The host goes into `host`; a port
// written there replaces `port`. False when no host is left.
bool SplitProxyUrl(const std::string& text, std::string& host, int32_t& port);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DEFAULT_SERVER_H
