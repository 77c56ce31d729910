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

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DEFAULT_SERVER_H
