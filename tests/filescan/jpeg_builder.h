// Builders of JPEG files for the tests: marker segments, a JFIF head, an EXIF block with
// directories in either byte order (links may point anywhere, back included), and a Photoshop
// segment holding an IPTC block.
#ifndef ORV_TESTS_FILESCAN_JPEG_BUILDER_H
#define ORV_TESTS_FILESCAN_JPEG_BUILDER_H

#include <cstdint>
#include <string>
#include <vector>

#include "tests/filescan/byte_builder.h"

namespace orv::testing {

inline std::string JpegSegment(uint8_t marker, const std::string& data) {
  return std::string("\xFF", 1) + static_cast<char>(marker) + Be16(data.size() + 2) + data;
}

inline std::string StartOfImage() { return std::string("\xFF\xD8", 2); }

// The 16-byte JFIF application segment.
inline std::string JfifSegment() {
  return JpegSegment(0xE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
}

// A baseline frame header: precision 8, the size, `components` components.
inline std::string FrameSegment(int width, int height, int components = 3) {
  std::string data =
      std::string(1, '\x08') + Be16(height) + Be16(width) + static_cast<char>(components);
  for (int i = 0; i < components; ++i) data += std::string("\x01\x11\x00", 3);
  return JpegSegment(0xC0, data);
}

// Start of scan, a few bytes of image data and the end of the image.
inline std::string ScanAndEnd() {
  return JpegSegment(0xDA, std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10)) +
         std::string("\x12\x34\x56\xFF\x00\x78\xFF\xD9", 8);
}

// A whole grey picture that viewers show: one quantisation table, Huffman tables of one code
// each (DC difference 0, end of block), and every 8 x 8 block mid-grey.
inline std::string GreyImage(int width, int height) {
  std::string image = JpegSegment(0xDB, std::string(1, '\0') + std::string(64, '\x01'));
  image += FrameSegment(width, height, 1);
  const std::string oneCode = std::string(1, '\x01') + std::string(15, '\0') + '\0';
  image += JpegSegment(0xC4, std::string(1, '\x00') + oneCode);
  image += JpegSegment(0xC4, std::string(1, '\x10') + oneCode);
  image += JpegSegment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6));
  const size_t blocks =
      static_cast<size_t>((width + 7) / 8) * static_cast<size_t>((height + 7) / 8);
  const size_t bits = 2 * blocks;  // "0" for the DC difference, "0" for the end of block
  std::string data(bits / 8, '\0');
  if (bits % 8) data += static_cast<char>(0xFF >> (bits % 8));  // padded with one bits
  return image + data + std::string("\xFF\xD9", 2);
}

// An EXIF block ("Exif\0\0" and a TIFF structure) made of numbered directories.
class ExifBuilder {
 public:
  explicit ExifBuilder(bool bigEndian) : big_(bigEndian) {}

  int AddDirectory() {
    directories_.emplace_back();
    return static_cast<int>(directories_.size()) - 1;
  }
  void Ascii(int dir, uint16_t tag, const std::string& text) {
    Add(dir, tag, 2, static_cast<uint32_t>(text.size() + 1), text + std::string(1, '\0'));
  }
  void Undefined(int dir, uint16_t tag, const std::string& bytes) {
    Add(dir, tag, 7, static_cast<uint32_t>(bytes.size()), bytes);
  }
  void Short(int dir, uint16_t tag, uint16_t value) { Add(dir, tag, 3, 1, U16(value, big_)); }
  void Long(int dir, uint16_t tag, uint32_t value) { Add(dir, tag, 4, 1, U32(value, big_)); }
  void Rational(int dir, uint16_t tag, uint32_t numerator, uint32_t denominator) {
    Add(dir, tag, 5, 1, U32(numerator, big_) + U32(denominator, big_));
  }
  void SignedRational(int dir, uint16_t tag, int32_t numerator, int32_t denominator) {
    Add(dir, tag, 10, 1,
        U32(static_cast<uint32_t>(numerator), big_) +
            U32(static_cast<uint32_t>(denominator), big_));
  }
  // An entry of any format and count whose value is `bytes` (out of line beyond 4 bytes).
  void Raw(int dir, uint16_t tag, uint16_t format, uint32_t count, const std::string& bytes) {
    Add(dir, tag, format, count, bytes);
  }
  // Tag 34665 or 40965 holding the offset of directory `target`.
  void Link(int dir, uint16_t tag, int target) {
    Entry entry{tag, 4, 1, std::string(), target};
    directories_[dir].entries.push_back(entry);
  }
  void Next(int dir, int target) { directories_[dir].next = target; }
  // A next-directory offset as it stands, pointing anywhere.
  void RawNext(int dir, uint32_t offset) { directories_[dir].rawNext = offset; }
  void FirstOffset(uint32_t offset) { firstOffset_ = offset; }

  uint32_t OffsetOf(int dir) const { return Layout()[dir]; }

  std::string Tiff() const {
    const std::vector<uint32_t> offsets = Layout();
    std::string out = (big_ ? std::string("MM") : std::string("II")) + U16(42, big_) +
                      U32(firstOffset_ ? firstOffset_ : 8, big_);
    out.resize(8, '\0');
    for (size_t d = 0; d < directories_.size(); ++d) {
      const Directory& dir = directories_[d];
      out.resize(offsets[d], '\0');
      const uint32_t dataStart = offsets[d] + 2 + 12 * dir.entries.size() + 4;
      std::string data;
      std::string table = U16(dir.entries.size(), big_);
      for (const Entry& e : dir.entries) {
        table += U16(e.tag, big_) + U16(e.format, big_) + U32(e.count, big_);
        if (e.link >= 0) {
          table += U32(offsets[e.link], big_);
        } else if (e.value.size() > 4) {
          table += U32(dataStart + data.size(), big_);
          data += e.value;
          if (data.size() % 2) data += '\0';
        } else {
          std::string inline4 = e.value;
          inline4.resize(4, '\0');
          table += inline4;
        }
      }
      const uint32_t next = dir.rawNext ? dir.rawNext : dir.next >= 0 ? offsets[dir.next] : 0;
      table += U32(next, big_);
      out += table + data;
    }
    return out;
  }
  std::string Block() const { return std::string("Exif\0\0", 6) + Tiff(); }
  std::string Segment() const { return JpegSegment(0xE1, Block()); }

 private:
  struct Entry {
    uint16_t tag, format;
    uint32_t count;
    std::string value;
    int link = -1;
  };
  struct Directory {
    std::vector<Entry> entries;
    int next = -1;
    uint32_t rawNext = 0;
  };

  void Add(int dir, uint16_t tag, uint16_t format, uint32_t count, std::string value) {
    directories_[dir].entries.push_back({tag, format, count, std::move(value), -1});
  }

  std::vector<uint32_t> Layout() const {
    std::vector<uint32_t> offsets;
    uint32_t at = firstOffset_ ? firstOffset_ : 8;
    for (const Directory& dir : directories_) {
      offsets.push_back(at);
      at += 2 + 12 * static_cast<uint32_t>(dir.entries.size()) + 4;
      for (const Entry& e : dir.entries) {
        if (e.link < 0 && e.value.size() > 4) at += (e.value.size() + 1) / 2 * 2;
      }
    }
    return offsets;
  }

  bool big_;
  uint32_t firstOffset_ = 0;
  std::vector<Directory> directories_;
};

// IPTC records: 1C, record, dataset, 2-byte length, data.
inline std::string IptcRecord(int record, int dataset, const std::string& data) {
  return std::string(1, '\x1C') + static_cast<char>(record) + static_cast<char>(dataset) +
         Be16(data.size()) + data;
}

// A Photoshop segment (application segment 13) holding `records` as resource 0x0404, with a
// resource of another number before it.
inline std::string PhotoshopSegment(const std::string& records, const std::string& name = "") {
  std::string nameField = std::string(1, static_cast<char>(name.size())) + name;
  if (nameField.size() % 2) nameField += '\0';
  std::string other = std::string("8BIM\x04\x00\x00\x00", 8) + Be32(2) + std::string(2, '\0');
  std::string data = std::string("Photoshop 3.0\0", 14) + other + "8BIM" +
                     std::string("\x04\x04", 2) + nameField + Be32(records.size()) + records;
  if (records.size() % 2) data += '\0';
  return JpegSegment(0xED, data);
}

}  // namespace orv::testing

#endif  // ORV_TESTS_FILESCAN_JPEG_BUILDER_H
