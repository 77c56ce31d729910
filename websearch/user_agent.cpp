#include "websearch/user_agent.h"

#include <optional>

#include "platform/profile.h"

namespace orv::websearch {

const char kBrowserAgent[] =
    "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
    "Chrome/131.0.0.0 Safari/537.36";

std::string SystemUserAgent() {
  platform::ProfileLocation where;
  where.keyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
  const std::optional<std::string> agent = platform::ReadProfileText(where, "User Agent");
  // The value is read into a 600-byte buffer on the host's side of things.
  if (!agent || agent->empty()) return kBrowserAgent;
  return agent->substr(0, 599);
}

}  // namespace orv::websearch
