// One xmcd disc entry, as a CDDB read answer carries it: "#" comment lines (signature, track
// frame offsets, disc length, revision, submitting program) and KEYWORD=value lines.
#ifndef ORV_DISCFETCH_DISC_ENTRY_H
#define ORV_DISCFETCH_DISC_ENTRY_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::discfetch {

struct DiscEntry {
  std::vector<int32_t> offsets;
  int32_t discLength = 0;  // seconds
  int32_t revision = 0;
  std::string submitClient, submitVersion, submitComment;
  uint32_t discId = 0;
  std::string discArtist, discTitle;
  std::vector<std::string> trackTitles;  // index: track number - 1
  std::string extendedData;
  std::vector<std::string> trackExtendedData;
  std::vector<int32_t> playOrder;
  int32_t discYear = 0;
  std::string discGenre;
};

// Title indexes from this on are ignored: no disc holds that many tracks, and the index comes
// from outside.
inline constexpr int32_t kMaxEntryTracks = 999;

// Parses `text` (in the user's code page) into `entry`, emptied first. True when the entry is
// complete: signature, offsets, disc length, submitter, identifier and disc title seen, and as
// many extended track data as track titles.
bool ParseDiscEntry(std::string_view text, DiscEntry& entry);

// The value's escapes in one pass from the left: backslash n a line feed, backslash t a tab,
// two backslashes one; any other backslash stays.
std::string DecodeEscapes(std::string_view value);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DISC_ENTRY_H
