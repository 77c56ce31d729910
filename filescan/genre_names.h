// The 148 genre names of ID3v1 tags, indexed by the tag's genre byte.
#ifndef ORV_FILESCAN_GENRE_NAMES_H
#define ORV_FILESCAN_GENRE_NAMES_H

#include <optional>
#include <string>

namespace orv::filescan {

constexpr int kGenreCount = 148;

// Nothing for 255 (the tag names no genre) and any other value past the table.
std::optional<std::string> GenreName(int genre);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_GENRE_NAMES_H
