#include "host/collection/file_collection_lines.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace orv::host::file_lines {

namespace {

bool ParsePrice(std::string_view text, float& value) {
  if (text.empty() || text.size() > 64) return false;
  const std::string copy(text);
  char* end = nullptr;
  const double parsed = std::strtod(copy.c_str(), &end);
  if (*end) return false;
  value = static_cast<float>(parsed);
  return true;
}

}  // namespace

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        out += text[i];
    }
  }
  return out;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

bool ParseInt64(std::string_view text, int64_t& value) {
  if (text.empty() || text.size() > 20) return false;
  const std::string copy(text);
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(copy.c_str(), &end, 10);
  if (errno || *end) return false;
  value = parsed;
  return true;
}

bool ParseInt32(std::string_view text, int32_t& value) {
  int64_t parsed = 0;
  if (text.size() > 11 || !ParseInt64(text, parsed) || parsed < INT32_MIN || parsed > INT32_MAX) {
    return false;
  }
  value = static_cast<int32_t>(parsed);
  return true;
}

std::string ItemParts(const StoredItem& item) {
  std::string line = std::to_string(item.itemKind);
  for (const ItemField& field : ItemFields()) {
    line += '\t';
    switch (field.kind) {
      case FieldKind::kText:
        line += Escape(item.*field.text);
        break;
      case FieldKind::kInteger:
        line += std::to_string(item.*field.integer);
        break;
      case FieldKind::kPrice: {
        char buffer[64];
        // Nine significant digits give the float back exactly.
        std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(item.price));
        line += buffer;
        break;
      }
    }
  }
  return line;
}

bool ParseItemParts(const std::vector<std::string_view>& parts, size_t first, StoredItem& item) {
  if (parts.size() != first + ItemFields().size() + 1 || !ParseInt32(parts[first], item.itemKind)) {
    return false;
  }
  size_t at = first + 1;
  for (const ItemField& field : ItemFields()) {
    const std::string_view part = parts[at++];
    switch (field.kind) {
      case FieldKind::kText:
        item.*field.text = Unescape(part);
        break;
      case FieldKind::kInteger:
        if (!ParseInt32(part, item.*field.integer)) return false;
        break;
      case FieldKind::kPrice:
        if (!ParsePrice(part, item.price)) return false;
        break;
    }
  }
  return true;
}

}  // namespace orv::host::file_lines
