#include "platform/posix/formats/version_block.h"

#include <algorithm>

#include "text/ascii.h"
#include "text/byte_cursor.h"
#include "text/codepage.h"

namespace orv::platform {
namespace {

constexpr uint32_t kFixedSignature = 0xFEEF04BD;
constexpr size_t kFixedBytes = 52;
constexpr uint16_t kTextValue = 1;

struct Node {
  std::string key;  // UTF-8
  std::string_view value;
  size_t children = 0;  // offset of the first child
  size_t end = 0;       // offset just past the node
};

size_t Align4(size_t offset) { return (offset + 3) & ~static_cast<size_t>(3); }

bool ReadNode(std::string_view block, size_t at, size_t limit, Node& node) {
  uint16_t length = 0, valueLength = 0, type = 0;
  text::ByteCursor c(block.substr(0, limit));
  if (!c.Seek(at) || !c.U16Le(length) || !c.U16Le(valueLength) || !c.U16Le(type) || length < 6)
    return false;
  node.end = std::min(limit, at + length);
  std::string key;
  uint16_t unit = 0;
  while (c.Position() + 2 <= node.end && c.U16Le(unit) && unit != 0) {
    key += static_cast<char>(unit & 0xFF);
    key += static_cast<char>(unit >> 8);
  }
  node.key = text::Utf16LeToUtf8(key);
  const size_t valueStart = std::min(Align4(c.Position()), node.end);
  const size_t valueBytes = type == kTextValue ? valueLength * 2u : valueLength;
  const size_t valueEnd = std::min(node.end, valueStart + valueBytes);
  node.value = block.substr(valueStart, valueEnd - valueStart);
  node.children = std::min(Align4(valueEnd), node.end);
  return true;
}

// The first child of `parent` whose key is `key` (ASCII case ignored).
bool FindChild(std::string_view block, const Node& parent, std::string_view key, Node& found) {
  size_t at = parent.children;
  while (at + 6 <= parent.end) {
    Node child;
    if (!ReadNode(block, at, parent.end, child)) return false;
    if (text::EqualsIgnoringAsciiCase(child.key, key)) {
      found = child;
      return true;
    }
    at = Align4(child.end);  // every node is at least 6 bytes: the walk always moves on
  }
  return false;
}

bool ReadRoot(std::string_view block, Node& root) {
  return ReadNode(block, 0, block.size(), root) &&
         text::EqualsIgnoringAsciiCase(root.key, "VS_VERSION_INFO");
}

}  // namespace

bool DecodeVersionBlock(std::string_view block, uint32_t& fileVersionHigh, uint32_t& fileVersionLow,
                        std::vector<VersionTranslation>& translations) {
  translations.clear();
  Node root;
  if (!ReadRoot(block, root) || root.value.size() < kFixedBytes) return false;
  text::ByteCursor fixed(root.value);
  uint32_t signature = 0, structVersion = 0;
  fixed.U32Le(signature), fixed.U32Le(structVersion);
  fixed.U32Le(fileVersionHigh), fixed.U32Le(fileVersionLow);
  if (signature != kFixedSignature) return false;
  Node varInfo, translation;
  if (!FindChild(block, root, "VarFileInfo", varInfo) ||
      !FindChild(block, varInfo, "Translation", translation)) {
    return false;
  }
  text::ByteCursor pairs(translation.value);
  VersionTranslation pair;
  while (pairs.U16Le(pair.language) && pairs.U16Le(pair.codePage)) translations.push_back(pair);
  return true;
}

bool FindVersionString(std::string_view block, std::string_view table, std::string_view name,
                       std::string& utf16) {
  utf16.clear();
  Node root, stringInfo, strings, entry;
  if (!ReadRoot(block, root) || !FindChild(block, root, "StringFileInfo", stringInfo) ||
      !FindChild(block, stringInfo, table, strings) || !FindChild(block, strings, name, entry)) {
    return false;
  }
  // Writers disagree on whether a text value's length counts characters or bytes; the
  // terminator is what ends it.
  for (size_t i = 0; i + 1 < entry.value.size(); i += 2) {
    if (entry.value[i] == 0 && entry.value[i + 1] == 0) break;
    utf16.append(entry.value.substr(i, 2));
  }
  return true;
}

}  // namespace orv::platform
