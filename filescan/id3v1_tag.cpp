#include "filescan/id3v1_tag.h"

#include "text/codepage.h"

namespace orv::filescan {
namespace {

bool Full(std::string_view bytes, size_t at, size_t size) {
  return bytes.substr(at, size).find('\0') == std::string_view::npos;
}

std::string Field(std::string_view bytes, size_t at, size_t size) {
  std::string_view raw = bytes.substr(at, size);
  raw = raw.substr(0, raw.find('\0'));
  return text::IsValidUtf8(raw) ? text::Utf8ToUser(raw) : text::Latin1ToUser(raw);
}

}  // namespace

std::optional<Id3v1Tag> ParseId3v1(std::string_view bytes) {
  if (bytes.size() != kId3v1Size || bytes.substr(0, 3) != "TAG") return std::nullopt;
  Id3v1Tag tag;
  tag.title = Field(bytes, 3, 30);
  tag.artist = Field(bytes, 33, 30);
  tag.album = Field(bytes, 63, 30);
  tag.year = Field(bytes, 93, 4);
  tag.titleFull = Full(bytes, 3, 30);
  tag.artistFull = Full(bytes, 33, 30);
  tag.albumFull = Full(bytes, 63, 30);
  if (bytes[125] == '\0') tag.track = static_cast<unsigned char>(bytes[126]);
  tag.genre = static_cast<unsigned char>(bytes[127]);
  return tag;
}

}  // namespace orv::filescan
