// The ID3v2 tag at the start of a music file, versions 2.2, 2.3 and 2.4: the text frames for
// title, artist, album, year, genre and track. The versions differ in their frame headers
// (three-letter ids and 24-bit sizes in 2.2, plain 32-bit sizes in 2.3, 7-bit "syncsafe" sizes in
// 2.4), in where unsynchronisation applies (the whole tag before 2.4, each frame in 2.4) and in
// the extended header's size (counted without itself in 2.3, with itself in 2.4).
//
// The walk reads frame headers one by one and only the data of the frames it wants, so a large
// cover picture is passed over unread; it stops as soon as every wanted frame was found.
#ifndef ORV_FILESCAN_ID3V2_TAG_H
#define ORV_FILESCAN_ID3V2_TAG_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/buffered_reader.h"

namespace orv::filescan {

constexpr size_t kId3v2HeaderSize = 10;

struct Id3v2Header {
  int version = 0;  // the major version: 2, 3 or 4
  uint8_t flags = 0;
  uint64_t bodySize = 0;   // after the header, without the footer
  uint64_t totalSize = 0;  // header, body and footer
};

// The header of `bytes` (its first 10 bytes); nothing unless they are "ID3", a version the
// reader knows, and a size in 7-bit bytes.
std::optional<Id3v2Header> ParseId3v2Header(std::string_view bytes);

struct Id3v2Tag {
  int version = 0;
  // In the user's code page; empty when the tag has no such frame.
  std::string title, artist, album, year;
  std::string genre;  // a name: a numeric genre "(13)" or "13" is looked up in the genre list
  int track = 0;      // the number before any "/total"
};

// The tag at the start of `reader`; nothing when there is none (or it is compressed, which
// only 2.2 allows and nobody defined).
std::optional<Id3v2Tag> ReadId3v2(text::BufferedReader& reader);

// A TCON value as a genre name: "(13)" or "13" the list's name, "(4)Eurodisco" the words that
// refine the number, "(RX)" "Remix", "(CR)" "Cover", any other text itself.
std::string Id3v2GenreName(std::string_view value);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_ID3V2_TAG_H
