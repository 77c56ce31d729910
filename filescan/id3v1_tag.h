// The ID3v1 tag: the last 128 bytes of a music file, starting with "TAG". Version 1.1 keeps
// the track number in the comment's last byte, after a zero byte.
#ifndef ORV_FILESCAN_ID3V1_TAG_H
#define ORV_FILESCAN_ID3V1_TAG_H

#include <optional>
#include <string>
#include <string_view>

namespace orv::filescan {

constexpr size_t kId3v1Size = 128;

struct Id3v1Tag {
  // In the user's code page (the bytes are Latin-1, kept as they are when valid UTF-8).
  std::string title, artist, album, year;
  int track = 0;    // 0 in a version 1.0 tag
  int genre = 255;  // the genre byte
  // The title, artist and album that filled their whole 30 bytes, so may have been cut.
  bool titleFull = false, artistFull = false, albumFull = false;
};

// Nothing unless `bytes` are 128 bytes starting with "TAG".
std::optional<Id3v1Tag> ParseId3v1(std::string_view bytes);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_ID3V1_TAG_H
