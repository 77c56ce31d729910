// The agent name the web client presents to sites: the system's own ("User Agent" of the
// internet settings in the current user's registry), or, where the store holds none (always on
// Linux), a current desktop browser's, since some sites turn away unknown agents.
#ifndef ORV_WEBSEARCH_USER_AGENT_H
#define ORV_WEBSEARCH_USER_AGENT_H

#include <string>

namespace orv::websearch {

extern const char kBrowserAgent[];

std::string SystemUserAgent();

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_USER_AGENT_H
