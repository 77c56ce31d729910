// The proxy as the host keeps it for the filters that read it themselves rather than from the
// HostDocument (the CD import reads it in Configure): the profile key
// Software\Kelvard\Orvella Premium\Internet, text values ProxyUrl (the host name), ProxyUsr and
// ProxyPwd, and the number ProxyPort.
#ifndef ORV_HOST_HOST_PROXY_H
#define ORV_HOST_HOST_PROXY_H

#include <cstdint>
#include <optional>
#include <string>

namespace orv::host {

// What `collection` was asked to change; texts in UTF-8. An empty host removes all four values.
struct ProxyChange {
  std::optional<std::string> host;
  std::optional<uint16_t> port;
  std::optional<std::string> user, password;
};

// Writes (or removes) the values named by the change; false when the profile could not be
// written.
bool SaveHostProxy(const ProxyChange& change);

}  // namespace orv::host

#endif  // ORV_HOST_HOST_PROXY_H
