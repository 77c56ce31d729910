#include "filescan/iptc_block.h"

#include "text/buffered_reader.h"
#include "text/byte_cursor.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

constexpr std::string_view kPhotoshop("Photoshop 3.0\x00", 14);
constexpr std::string_view kIptcResource("8BIM\x04\x04", 6);
// ISO 2022 escape for UTF-8, the value of record 1:90 in UTF-8 files.
constexpr std::string_view kUtf8Escape("\x1B%G", 3);

enum : uint8_t {
  kDatasetCharacterSet = 90,  // in record 1
  kDatasetSupplemental = 20,
  kDatasetKeywords = 25,
  kDatasetCountry = 101,
  kDatasetCredit = 110,
  kDatasetCaption = 120,
  kDatasetWriter = 122,
};

struct RawRecords {
  bool utf8 = false;
  std::string caption, credit, country, writer;
  std::vector<std::string> supplemental, keywords;
};

std::string Decode(std::string_view raw, bool utf8) {
  std::string clean;
  for (char c : raw) {
    if (c != '\0') clean += c;  // host texts hold no zero byte
  }
  return utf8 ? text::Utf8ToUser(clean) : text::Windows1252ToUser(clean);
}

// The resource 0x0404 inside a Photoshop segment's data (after "Photoshop 3.0\0").
std::optional<std::string> ResourceData(std::string_view data) {
  for (size_t at = data.find(kIptcResource); at != std::string_view::npos;
       at = data.find(kIptcResource, at + 1)) {
    text::ByteCursor cursor(data, text::ByteOrder::kBig);
    uint8_t nameLength = 0;
    uint32_t size = 0;
    if (!cursor.Seek(at + kIptcResource.size()) || !cursor.U8(nameLength)) return std::nullopt;
    // The name field (its length byte included) is padded to an even length.
    const uint64_t nameField = 1u + nameLength + ((1u + nameLength) % 2);
    if (!cursor.Seek(at + kIptcResource.size() + nameField) || !cursor.U32Be(size)) {
      return std::nullopt;
    }
    std::string_view resource;
    // A size past the segment keeps what the segment holds.
    cursor.Take(size < cursor.Remaining() ? size : cursor.Remaining(), resource);
    return std::string(resource);
  }
  return std::nullopt;
}

}  // namespace

IptcInfo ParseIptcRecords(std::string_view data) {
  RawRecords raw;
  text::ByteCursor cursor(data, text::ByteOrder::kBig);
  while (!cursor.AtEnd()) {
    uint8_t tagMarker = 0, record = 0, dataset = 0;
    uint16_t length = 0;
    std::string_view value;
    if (!cursor.U8(tagMarker) || tagMarker != 0x1C || !cursor.U8(record) || !cursor.U8(dataset) ||
        !cursor.U16Be(length) || !cursor.Take(length, value)) {
      break;
    }
    if (length == 0) continue;
    if (record == 1) {
      if (dataset == kDatasetCharacterSet) raw.utf8 = value == kUtf8Escape;
      continue;
    }
    if (record != 2) continue;
    switch (dataset) {
      case kDatasetCaption:
        raw.caption = std::string(value);
        break;
      case kDatasetCredit:
        raw.credit = std::string(value);
        break;
      case kDatasetCountry:
        raw.country = std::string(value);
        break;
      case kDatasetWriter:
        raw.writer = std::string(value);
        break;
      case kDatasetSupplemental:
        raw.supplemental.emplace_back(value);
        break;
      case kDatasetKeywords:
        raw.keywords.emplace_back(value);
        break;
      default:
        break;
    }
  }
  IptcInfo info;
  info.caption = Decode(raw.caption, raw.utf8);
  info.credit = Decode(raw.credit, raw.utf8);
  info.country = Decode(raw.country, raw.utf8);
  info.writer = Decode(raw.writer, raw.utf8);
  for (const std::string& s : raw.supplemental) {
    info.supplementalCategories.push_back(Decode(s, raw.utf8));
  }
  for (const std::string& k : raw.keywords) info.keywords.push_back(Decode(k, raw.utf8));
  return info;
}

std::optional<std::string> FindIptcResource(text::ByteSource& source) {
  text::BufferedReader reader(source, 16 * 1024);
  std::string_view bytes;
  if (!reader.View(0, 2, bytes) || bytes != "\xFF\xD8") return std::nullopt;
  // Whatever segment comes first (JFIF, EXIF, Adobe): each segment a 2-byte marker and a length
  // that counts itself. Every step moves on by at least one byte, so the walk ends.
  for (uint64_t at = 2;;) {
    if (!reader.View(at, 4, bytes) || bytes[0] != '\xFF') return std::nullopt;
    if (bytes[1] == '\xFF') {  // fill byte before a marker
      ++at;
      continue;
    }
    const uint16_t length = static_cast<uint16_t>((static_cast<uint8_t>(bytes[2]) << 8) |
                                                  static_cast<uint8_t>(bytes[3]));
    if (bytes[1] == '\xDA' || bytes[1] == '\xD9') return std::nullopt;  // the image data, or none
    if (bytes[1] == '\xED') {
      if (length < 2 || !reader.View(at + 4, length - 2u, bytes)) return std::nullopt;
      // Other programs' application segments 13 may come before the Photoshop one.
      if (bytes.substr(0, kPhotoshop.size()) == kPhotoshop) {
        return ResourceData(bytes.substr(kPhotoshop.size()));
      }
    }
    at += 2u + length;
    if (at >= reader.Size()) return std::nullopt;
  }
}

std::optional<IptcInfo> ReadIptc(text::ByteSource& source) {
  const std::optional<std::string> resource = FindIptcResource(source);
  if (!resource) return std::nullopt;
  return ParseIptcRecords(*resource);
}

}  // namespace orv::filescan
