// The lines of a text read from outside (a profile file, a server answer): each ends at LF, a
// CR before it dropped, so CR LF and bare LF texts read alike. A last line without LF counts.
#ifndef ORV_TEXT_LINES_H
#define ORV_TEXT_LINES_H

#include <string_view>
#include <vector>

namespace orv::text {

std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace orv::text

#endif  // ORV_TEXT_LINES_H
