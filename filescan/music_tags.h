// The texts of a music file's item from its two tags: the ID3v1 tag at the end and the ID3v2
// tag at the start. The ID3v1 values come first, as they always did; the ID3v2 tag fills what
// the file's ID3v1 tag lacks, and gives back the end of a title, artist or album that the
// ID3v1 tag cut at its 30 bytes.
#ifndef ORV_FILESCAN_MUSIC_TAGS_H
#define ORV_FILESCAN_MUSIC_TAGS_H

#include <optional>
#include <string>

#include "filescan/id3v1_tag.h"
#include "filescan/id3v2_tag.h"

namespace orv::filescan {

struct MusicTags {
  std::string title, artist, album, year;  // as the tags hold them (blanks not trimmed)
  int track = 0;
  std::string genre;  // a name; empty when neither tag gives one
};

// Without an ID3v1 tag the ID3v2 values; with both, each ID3v1 value, except where it is empty
// (the ID3v2 value then), or is a text that filled its field and that the longer ID3v2 text
// starts with (the ID3v2 text then). With neither, everything empty.
MusicTags MergeMusicTags(const std::optional<Id3v1Tag>& v1, const std::optional<Id3v2Tag>& v2);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_MUSIC_TAGS_H
