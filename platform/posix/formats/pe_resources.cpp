#include "platform/posix/formats/pe_resources.h"

#include <set>
#include <vector>

#include "text/byte_cursor.h"

namespace orv::platform {
namespace {

constexpr uint16_t kPe32 = 0x10B;
constexpr uint16_t kPe32Plus = 0x20B;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr uint32_t kVersionType = 16;
constexpr uint32_t kVersionName = 1;
constexpr uint32_t kSubdirectoryBit = 0x80000000u;
constexpr uint32_t kNamedEntryBit = 0x80000000u;
// A version block's length is a 16-bit word.
constexpr uint32_t kMaxBlockBytes = 0xFFFF;
// Far more than any real image has; bounds the reads a damaged header can ask for.
constexpr uint16_t kMaxSections = 1024;
constexpr uint32_t kMaxDirectoryEntries = 4096;

struct Section {
  uint32_t address = 0;
  uint32_t virtualSize = 0;
  uint32_t rawSize = 0;
  uint32_t rawOffset = 0;
};

class Image {
 public:
  explicit Image(text::ByteSource& source) : source_(source) {}

  bool ReadHeaders() {
    std::string bytes;
    uint32_t peOffset = 0;
    if (!source_.ReadExactly(0, 64, bytes) || bytes.compare(0, 2, "MZ") != 0 ||
        !text::ReadU32At(bytes, 0x3C, text::ByteOrder::kLittle, peOffset) ||
        !source_.ReadExactly(peOffset, 24, bytes) || bytes.compare(0, 4, std::string("PE\0\0", 4)))
      return false;
    text::ByteCursor coff(bytes);
    uint16_t sectionCount = 0, optionalSize = 0;
    coff.Seek(6), coff.U16Le(sectionCount);
    coff.Seek(20), coff.U16Le(optionalSize);
    if (sectionCount > kMaxSections) return false;
    const uint64_t optionalAt = peOffset + 24ull;
    std::string optional;
    if (!source_.ReadExactly(optionalAt, optionalSize, optional)) return false;
    text::ByteCursor c(optional);
    uint16_t magic = 0;
    c.U16Le(magic);
    uint64_t countAt = 0;
    if (magic == kPe32) {
      countAt = 92;
    } else if (magic == kPe32Plus) {
      countAt = 108;
    } else {
      return false;
    }
    uint32_t directoryCount = 0;
    if (!c.Seek(countAt) || !c.U32Le(directoryCount) || directoryCount <= kResourceDirectoryIndex ||
        !c.Skip(kResourceDirectoryIndex * 8ull) || !c.U32Le(resourceAddress_)) {
      return false;
    }
    std::string table;
    if (!source_.ReadExactly(optionalAt + optionalSize, sectionCount * 40u, table)) return false;
    text::ByteCursor s(table);
    for (uint16_t i = 0; i < sectionCount; ++i) {
      Section section;
      s.Seek(i * 40ull + 8);
      s.U32Le(section.virtualSize), s.U32Le(section.address);
      s.U32Le(section.rawSize), s.U32Le(section.rawOffset);
      sections_.push_back(section);
    }
    return resourceAddress_ != 0;
  }

  // `count` bytes at a relative virtual address, from the section's bytes in the file.
  bool ReadAddress(uint64_t address, size_t count, std::string& out) {
    for (const Section& section : sections_) {
      if (address < section.address) continue;
      const uint64_t into = address - section.address;
      const uint64_t span = std::max(section.virtualSize, section.rawSize);
      if (into >= span) continue;
      if (into > section.rawSize || count > section.rawSize - into) return false;
      return source_.ReadExactly(section.rawOffset + into, count, out);
    }
    return false;
  }

  // The entry of the resource directory at `offset` whose id is `id` (any entry when `id` is
  // kAny), as the offset it points to.
  static constexpr uint32_t kAny = 0xFFFFFFFF;
  bool FindEntry(uint32_t offset, uint32_t id, uint32_t& target) {
    std::string header;
    if (!ReadAddress(resourceAddress_ + static_cast<uint64_t>(offset), 16, header)) return false;
    uint16_t named = 0, ids = 0;
    text::ReadU16At(header, 12, text::ByteOrder::kLittle, named);
    text::ReadU16At(header, 14, text::ByteOrder::kLittle, ids);
    const uint32_t count = static_cast<uint32_t>(named) + ids;
    if (count == 0 || count > kMaxDirectoryEntries) return false;
    std::string entries;
    if (!ReadAddress(resourceAddress_ + static_cast<uint64_t>(offset) + 16, count * 8u, entries))
      return false;
    text::ByteCursor c(entries);
    for (uint32_t i = 0; i < count; ++i) {
      uint32_t name = 0, data = 0;
      c.U32Le(name), c.U32Le(data);
      if (id == kAny || (!(name & kNamedEntryBit) && name == id)) {
        target = data;
        return true;
      }
    }
    return false;
  }

  bool ReadVersionBlock(std::string& block) {
    // The type and the name lead to directories, each seen once; the language to the data.
    const uint32_t wanted[] = {kVersionType, kVersionName};
    std::set<uint32_t> seen;
    uint32_t offset = 0;
    for (uint32_t want : wanted) {
      if (!seen.insert(offset).second) return false;  // a directory that points back
      uint32_t target = 0;
      if (!FindEntry(offset, want, target) || !(target & kSubdirectoryBit)) return false;
      offset = target & ~kSubdirectoryBit;
    }
    // The language level points at a data entry: address, size, code page, reserved.
    uint32_t leaf = 0;
    if (!FindEntry(offset, kAny, leaf) || (leaf & kSubdirectoryBit)) return false;
    std::string entry;
    if (!ReadAddress(resourceAddress_ + static_cast<uint64_t>(leaf), 16, entry)) return false;
    uint32_t address = 0, size = 0;
    text::ReadU32At(entry, 0, text::ByteOrder::kLittle, address);
    text::ReadU32At(entry, 4, text::ByteOrder::kLittle, size);
    if (size == 0 || size > kMaxBlockBytes) return false;
    return ReadAddress(address, size, block);
  }

 private:
  text::ByteSource& source_;
  uint32_t resourceAddress_ = 0;
  std::vector<Section> sections_;
};

}  // namespace

bool FindVersionResource(text::ByteSource& source, std::string& block) {
  block.clear();
  Image image(source);
  if (image.ReadHeaders() && image.ReadVersionBlock(block)) return true;
  block.clear();
  return false;
}

}  // namespace orv::platform
