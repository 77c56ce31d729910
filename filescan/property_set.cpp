#include "filescan/property_set.h"

#include <algorithm>
#include <vector>

#include "text/byte_cursor.h"
#include "text/code_page_numbers.h"

namespace orv::filescan {
namespace {

constexpr char kSummaryFormatId[] =
    "\xE0\x85\x9F\xF2\xF9\x4F\x68\x10\xAB\x91\x08\x00\x2B\x27\xB3\xD9";
constexpr uint16_t kVtI2 = 2;
constexpr uint16_t kVtLpstr = 0x1E;
constexpr uint16_t kVtLpwstr = 0x1F;
constexpr uint32_t kCodePageProperty = 1;

struct Property {
  uint32_t id;
  uint32_t offset;
};

// The bytes of a string up to its terminator: a zero byte, or a zero 16-bit unit for UTF-16.
std::string_view UntilTerminator(std::string_view bytes, bool wide) {
  if (!wide) return bytes.substr(0, bytes.find('\0'));
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    if (bytes[i] == 0 && bytes[i + 1] == 0) return bytes.substr(0, i);
  }
  return bytes;
}

class Section {
 public:
  explicit Section(text::ByteCursor bytes) : bytes_(bytes) {}

  bool ReadTable() {
    uint32_t size = 0, count = 0;
    if (!bytes_.U32Le(size) || !bytes_.U32Le(count)) return false;
    // Each property takes 8 bytes of the table: a larger count cannot be true.
    if (count > bytes_.Remaining() / 8) return false;
    for (uint32_t i = 0; i < count; ++i) {
      Property p;
      bytes_.U32Le(p.id), bytes_.U32Le(p.offset);
      properties_.push_back(p);
    }
    return true;
  }

  // The value of property `id` after its type word; false when absent or outside the section.
  bool Value(uint32_t id, uint16_t& type, text::ByteCursor& value) const {
    for (const Property& p : properties_) {
      if (p.id != id) continue;
      text::ByteCursor at = bytes_;
      uint32_t typeWord = 0;
      if (!at.Seek(p.offset) || !at.U32Le(typeWord)) return false;
      type = static_cast<uint16_t>(typeWord & 0xFFFF);
      value = at;
      return true;
    }
    return false;
  }

  uint32_t CodePage() const {
    uint16_t type = 0, codePage = 0;
    text::ByteCursor value;
    // Stored as a signed 16-bit number: 65001 reads as -535, so it is taken unsigned.
    if (Value(kCodePageProperty, type, value) && type == kVtI2 && value.U16Le(codePage))
      return codePage;
    return text::kCodePageWindows1252;
  }

  std::string String(uint32_t id, uint32_t codePage) const {
    uint16_t type = 0;
    text::ByteCursor value;
    uint32_t count = 0;
    std::string_view bytes;
    if (!Value(id, type, value) || !value.U32Le(count)) return std::string();
    if (type == kVtLpstr) {
      // The count is in bytes, terminator included; UTF-16 sets store UTF-16 here.
      const bool wide = codePage == text::kCodePageUtf16Le;
      if (!value.Take(std::min<uint64_t>(count, value.Remaining()), bytes)) return std::string();
      return text::CodePageToUser(codePage, UntilTerminator(bytes, wide));
    }
    if (type == kVtLpwstr) {
      // The count is in characters.
      if (!value.Take(std::min<uint64_t>(count * 2ull, value.Remaining()), bytes))
        return std::string();
      return text::CodePageToUser(text::kCodePageUtf16Le, UntilTerminator(bytes, true));
    }
    return std::string();
  }

 private:
  text::ByteCursor bytes_;
  std::vector<Property> properties_;
};

}  // namespace

bool ParseSummaryProperties(std::string_view stream, SummaryProperties& properties) {
  properties = SummaryProperties();
  text::ByteCursor c(stream);
  uint16_t byteOrder = 0;
  uint32_t sectionCount = 0;
  if (!c.U16Le(byteOrder) || byteOrder != 0xFFFE || !c.Seek(24) || !c.U32Le(sectionCount))
    return false;
  for (uint32_t i = 0; i < sectionCount; ++i) {
    std::string_view formatId;
    uint32_t offset = 0;
    if (!c.Take(16, formatId) || !c.U32Le(offset)) return false;  // the list ends the stream
    if (formatId != std::string_view(kSummaryFormatId, 16)) continue;
    text::ByteCursor bytes;
    if (!c.Sub(offset, c.Size() > offset ? c.Size() - offset : 0, bytes)) return false;
    Section section(bytes);
    if (!section.ReadTable()) return false;
    const uint32_t codePage = section.CodePage();
    properties.title = section.String(2, codePage);
    properties.subject = section.String(3, codePage);
    properties.author = section.String(4, codePage);
    properties.keywords = section.String(5, codePage);
    properties.comments = section.String(6, codePage);
    properties.lastAuthor = section.String(8, codePage);
    return true;
  }
  return false;
}

}  // namespace orv::filescan
