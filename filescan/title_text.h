// The names a scan gives to files and folders: the file title (the name without its last
// dot-suffix) and the title with underscores shown as spaces, as the readers use them.
#ifndef ORV_FILESCAN_TITLE_TEXT_H
#define ORV_FILESCAN_TITLE_TEXT_H

#include <string>
#include <string_view>

namespace orv::filescan {

// "My.Pics" gives "My", "song.mp3" "song", "README" itself.
std::string FileTitleOf(std::string_view fileName);

std::string UnderscoresToSpaces(std::string_view text);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_TITLE_TEXT_H
