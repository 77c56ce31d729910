// The "Filter" option of FileMode 2: ';'-separated fragments looked for anywhere in the path
// (a plain substring test, not a test of the extension), without regard to ASCII case.
#ifndef ORV_FILESCAN_FILTER_TOKENS_H
#define ORV_FILESCAN_FILTER_TOKENS_H

#include <string_view>

namespace orv::filescan {

// True at the first token found in the upper-cased path. Tokens are read up to the first empty
// one, so ".exe;;.mp3" never reaches ".mp3" and an empty filter matches nothing.
bool PathMatchesFilter(std::string_view upperPath, std::string_view filter);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_FILTER_TOKENS_H
