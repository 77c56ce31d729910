#include "filescan/id3v2_tag.h"

#include <algorithm>

#include "filescan/genre_names.h"
#include "text/byte_source.h"
#include "text/codepage.h"
#include "text/number.h"

namespace orv::filescan {
namespace {

enum : uint8_t {
  kTagUnsynchronised = 0x80,
  kTagExtendedHeader = 0x40,  // 2.3 and 2.4; in 2.2 this bit means compressed
  kTagFooter = 0x10,          // 2.4
};

// Frame format flags (the second flag byte).
enum : uint8_t {
  kV3Compressed = 0x80,
  kV3Encrypted = 0x40,
  kV3Grouped = 0x20,
  kV4Grouped = 0x40,
  kV4Compressed = 0x08,
  kV4Encrypted = 0x04,
  kV4Unsynchronised = 0x02,
  kV4DataLength = 0x01,
};

// A text frame longer than this is a damaged one; its start is enough for a title.
constexpr size_t kMaxTextBytes = 16 * 1024;
// A whole-tag unsynchronisation (2.2, 2.3) must be undone before the frames can be walked; the
// tag is read that far at most (frames past it are not seen).
constexpr uint64_t kMaxResyncBytes = 1 << 20;
// Real tags hold a few dozen frames; a damaged one must not keep the walk going.
constexpr int kMaxFrames = 4096;

enum Slot { kTitle, kArtist, kAlbum, kYear, kDate, kGenre, kTrack, kSlots };

struct FrameName {
  const char* v22;
  const char* v23;
  Slot slot;
};

// TDRC (recording time, 2.4) stands for the year when no TYER is there.
constexpr FrameName kWanted[] = {
    {"TT2", "TIT2", kTitle}, {"TP1", "TPE1", kArtist}, {"TAL", "TALB", kAlbum},
    {"TYE", "TYER", kYear},  {nullptr, "TDRC", kDate}, {"TCO", "TCON", kGenre},
    {"TRK", "TRCK", kTrack},
};

uint32_t BigEndian(std::string_view bytes) {
  uint32_t value = 0;
  for (char c : bytes) value = (value << 8) | static_cast<uint8_t>(c);
  return value;
}

// Four bytes of 7 bits each; nothing when a byte has its top bit set.
std::optional<uint32_t> Syncsafe(std::string_view bytes) {
  uint32_t value = 0;
  for (char c : bytes) {
    const uint8_t b = static_cast<uint8_t>(c);
    if (b & 0x80) return std::nullopt;
    value = (value << 7) | b;
  }
  return value;
}

// Unsynchronisation put a zero byte after every 0xFF that could be read as a sync; taking it
// out gives the bytes back.
std::string Resynchronised(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    out += bytes[i];
    if (bytes[i] == '\xFF' && i + 1 < bytes.size() && bytes[i + 1] == '\0') ++i;
  }
  return out;
}

bool IsFrameIdChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// UTF-16 up to its first zero unit, as little-endian bytes.
std::string Utf16ToUser(std::string_view bytes, bool bigEndian) {
  std::string little;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    if (bytes[i] == '\0' && bytes[i + 1] == '\0') break;
    little += bigEndian ? bytes[i + 1] : bytes[i];
    little += bigEndian ? bytes[i] : bytes[i + 1];
  }
  return text::Utf16LeToUser(little);
}

// A text frame's data: an encoding byte, then the text (2.4 may hold several values separated
// by zeros: the first is taken).
std::string TextOfFrame(std::string_view data) {
  if (data.empty()) return {};
  const uint8_t encoding = static_cast<uint8_t>(data[0]);
  std::string_view text = data.substr(1);
  switch (encoding) {
    case 0:
    case 3: {
      text = text.substr(0, text.find('\0'));
      if (encoding == 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
      // Many taggers write UTF-8 under encoding 0: kept as such when it is valid UTF-8.
      return encoding == 3 || text::IsValidUtf8(text) ? text::Utf8ToUser(text)
                                                      : text::Latin1ToUser(text);
    }
    case 1:
    case 2: {
      // Encoding 1 starts with a byte order mark; 2 is big-endian without one. Without a mark,
      // encoding 1 is taken as little-endian, as the taggers that omit it write.
      bool big = encoding == 2;
      if (text.size() >= 2 && text[0] == '\xFE' && text[1] == '\xFF') {
        big = true;
        text.remove_prefix(2);
      } else if (text.size() >= 2 && text[0] == '\xFF' && text[1] == '\xFE') {
        big = false;
        text.remove_prefix(2);
      }
      return Utf16ToUser(text, big);
    }
    default:
      return {};
  }
}

class FrameWalk {
 public:
  FrameWalk(text::BufferedReader& reader, int version, bool unsynchronised)
      : reader_(reader), version_(version), unsynchronised_(unsynchronised) {}

  // Walks the frames in [at, end), the extended header first when flagged.
  void Walk(uint64_t at, uint64_t end, bool extendedHeader) {
    if (extendedHeader && !SkipExtendedHeader(at, end)) return;
    const size_t headerSize = version_ == 2 ? 6 : 10;
    for (int frames = 0; frames < kMaxFrames && !AllFound(); ++frames) {
      std::string_view bytes;
      if (at >= end || end - at < headerSize || !reader_.View(at, headerSize, bytes)) return;
      const size_t idSize = version_ == 2 ? 3 : 4;
      const std::string id(bytes.substr(0, idSize));
      // Padding (zero bytes) or bytes that are no frame end the frames.
      if (!std::all_of(id.begin(), id.end(), IsFrameIdChar)) return;
      const uint64_t dataAt = at + headerSize;
      uint64_t size = 0;
      uint8_t format = 0;
      if (version_ == 2) {
        size = BigEndian(bytes.substr(3, 3));
      } else if (version_ == 3) {
        size = BigEndian(bytes.substr(4, 4));
        format = static_cast<uint8_t>(bytes[9]);
      } else {
        format = static_cast<uint8_t>(bytes[9]);
        size = V4FrameSize(bytes.substr(4, 4), dataAt, end);
      }
      const uint64_t kept = std::min<uint64_t>(size, end - dataAt);
      Take(id, dataAt, kept, format);
      if (kept < size) return;  // the frame runs past the tag
      at = dataAt + size;
    }
  }

  Id3v2Tag Result() const {
    Id3v2Tag tag;
    tag.version = version_;
    tag.title = values_[kTitle];
    tag.artist = values_[kArtist];
    tag.album = values_[kAlbum];
    tag.year = values_[kYear].empty() ? values_[kDate].substr(0, 4) : values_[kYear];
    tag.genre = Id3v2GenreName(values_[kGenre]);
    tag.track = std::max(0, text::IntegerValue(values_[kTrack]));
    return tag;
  }

 private:
  // Every wanted frame seen, TYER or TDRC standing for each other.
  bool AllFound() const {
    constexpr unsigned kYears = 1u << kYear | 1u << kDate;
    const unsigned found = (found_ & kYears) ? found_ | kYears : found_;
    return found == (1u << kSlots) - 1;
  }

  bool SkipExtendedHeader(uint64_t& at, uint64_t end) {
    std::string_view bytes;
    if (end - at < 4 || !reader_.View(at, 4, bytes)) return false;
    uint64_t skip = 0;
    if (version_ == 3) {
      skip = 4 + uint64_t{BigEndian(bytes)};  // the size leaves itself out
    } else {
      const std::optional<uint32_t> size = Syncsafe(bytes);
      if (!size || *size < 6) return false;
      skip = *size;
    }
    if (skip > end - at) return false;
    at += skip;
    return true;
  }

  // True when a frame (or the padding, or the tag's end) can start at `at`.
  bool FrameCanStart(uint64_t at, uint64_t end) {
    if (at == end) return true;
    std::string_view bytes;
    if (at > end || end - at < 4 || !reader_.View(at, 4, bytes)) return false;
    return bytes[0] == '\0' || std::all_of(bytes.begin(), bytes.end(), IsFrameIdChar);
  }

  // 2.4 sizes are syncsafe, but some writers of 2.4 tags kept the plain 32-bit size of 2.3:
  // a size that is not syncsafe, or whose syncsafe reading lands on no frame while the plain
  // reading does, is taken as plain.
  uint64_t V4FrameSize(std::string_view bytes, uint64_t dataAt, uint64_t end) {
    const uint32_t plain = BigEndian(bytes);
    const std::optional<uint32_t> syncsafe = Syncsafe(bytes);
    if (!syncsafe) return plain;
    if (*syncsafe == plain || *syncsafe > end - dataAt) return *syncsafe;
    if (!FrameCanStart(dataAt + *syncsafe, end) && plain <= end - dataAt &&
        FrameCanStart(dataAt + plain, end)) {
      return plain;
    }
    return *syncsafe;
  }

  void Take(const std::string& id, uint64_t dataAt, uint64_t size, uint8_t format) {
    const FrameName* wanted = nullptr;
    for (const FrameName& name : kWanted) {
      if (id == (version_ == 2 ? (name.v22 ? name.v22 : "") : name.v23)) wanted = &name;
    }
    if (!wanted || (found_ & (1u << wanted->slot))) return;  // the first frame of a kind wins
    size_t skip = 0;
    bool unsynchronised = unsynchronised_;
    if (version_ == 3) {
      if (format & (kV3Compressed | kV3Encrypted)) return;
      if (format & kV3Grouped) skip = 1;
    } else if (version_ == 4) {
      if (format & (kV4Compressed | kV4Encrypted)) return;
      if (format & kV4Grouped) skip += 1;
      if (format & kV4DataLength) skip += 4;
      if (format & kV4Unsynchronised) unsynchronised = true;
    }
    if (size <= skip) return;
    std::string_view bytes;
    const size_t count = static_cast<size_t>(std::min<uint64_t>(size - skip, kMaxTextBytes));
    if (!reader_.ViewUpTo(dataAt + skip, count, bytes)) return;
    const std::string data = unsynchronised ? Resynchronised(bytes) : std::string(bytes);
    values_[wanted->slot] = TextOfFrame(data);
    found_ |= 1u << wanted->slot;
  }

  text::BufferedReader& reader_;
  int version_;
  bool unsynchronised_;  // 2.4: every frame is (the tag's flag)
  std::string values_[kSlots];
  unsigned found_ = 0;
};

}  // namespace

std::optional<Id3v2Header> ParseId3v2Header(std::string_view bytes) {
  if (bytes.size() < kId3v2HeaderSize || bytes.substr(0, 3) != "ID3") return std::nullopt;
  const uint8_t major = static_cast<uint8_t>(bytes[3]);
  if (major < 2 || major > 4 || static_cast<uint8_t>(bytes[4]) == 0xFF) return std::nullopt;
  const std::optional<uint32_t> size = Syncsafe(bytes.substr(6, 4));
  if (!size) return std::nullopt;
  Id3v2Header header;
  header.version = major;
  header.flags = static_cast<uint8_t>(bytes[5]);
  header.bodySize = *size;
  const bool footer = major == 4 && (header.flags & kTagFooter);
  header.totalSize = kId3v2HeaderSize + header.bodySize + (footer ? kId3v2HeaderSize : 0);
  return header;
}

std::optional<Id3v2Tag> ReadId3v2(text::BufferedReader& reader) {
  std::string_view bytes;
  if (!reader.View(0, kId3v2HeaderSize, bytes)) return std::nullopt;
  const std::optional<Id3v2Header> header = ParseId3v2Header(bytes);
  if (!header) return std::nullopt;
  if (header->version == 2 && (header->flags & kTagExtendedHeader)) return std::nullopt;
  const uint64_t available = reader.Size() - kId3v2HeaderSize;
  const uint64_t end = kId3v2HeaderSize + std::min<uint64_t>(header->bodySize, available);
  const bool unsynchronised = (header->flags & kTagUnsynchronised) != 0;
  const bool extended = header->version != 2 && (header->flags & kTagExtendedHeader);

  if (unsynchronised && header->version < 4) {
    // The frame sizes count the resynchronised bytes: undo it for the whole tag first.
    const size_t count = static_cast<size_t>(std::min<uint64_t>(end - kId3v2HeaderSize,
                                                                kMaxResyncBytes));
    if (!reader.ViewUpTo(kId3v2HeaderSize, count, bytes)) return std::nullopt;
    const std::string body = Resynchronised(bytes);
    text::MemorySource source(body);
    text::BufferedReader inner(source);
    FrameWalk walk(inner, header->version, false);
    walk.Walk(0, body.size(), extended);
    return walk.Result();
  }
  FrameWalk walk(reader, header->version, unsynchronised && header->version == 4);
  walk.Walk(kId3v2HeaderSize, end, extended);
  return walk.Result();
}

std::string Id3v2GenreName(std::string_view value) {
  std::optional<int> number;
  std::string special;
  // Version 2.3 writes references to the genre list in parentheses, possibly several, possibly
  // followed by words that refine them; "((" starts words that begin with a parenthesis.
  while (value.size() >= 2 && value[0] == '(' && value[1] != '(') {
    const size_t close = value.find(')');
    if (close == std::string_view::npos) break;
    const std::string_view inside = value.substr(1, close - 1);
    if (inside == "RX" && special.empty()) special = "Remix";
    if (inside == "CR" && special.empty()) special = "Cover";
    if (const std::optional<int> n = text::ParseDigits(inside, 3); n && !number) number = *n;
    value.remove_prefix(close + 1);
  }
  if (value.substr(0, 2) == "((") value.remove_prefix(1);
  if (!value.empty()) {
    if (const std::optional<int> n = text::ParseDigits(value, 3)) {
      return GenreName(*n).value_or(std::string());  // 2.4 writes the bare number
    }
    return std::string(value);
  }
  if (number) return GenreName(*number).value_or(special);
  return special;
}

}  // namespace orv::filescan
