// The user's keywords as they go into a search address.
#ifndef ORV_WEBSEARCH_KEYWORDS_H
#define ORV_WEBSEARCH_KEYWORDS_H

#include <string>
#include <string_view>

namespace orv::websearch {

// Percent-encoded, byte by byte in the user's code page: letters, digits and "-_.~" stay, every
// blank becomes `blank` ("+" for the film sites), every other byte "%XX". So "amélie", "&" and
// "#" reach the site as typed instead of ending or breaking the query.
std::string EncodeKeywords(std::string_view keywords, std::string_view blank = "+");

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_KEYWORDS_H
