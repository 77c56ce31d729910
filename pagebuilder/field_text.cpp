#include "pagebuilder/field_text.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace orv::pagebuilder {

std::string DecimalText(int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string PriceText(float price) {
  // The widest float ("%.2f" of 3.4e38) takes 42 characters.
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(price));
  if (n < 0) return "";
  std::string text(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string IconFileName(int32_t medium) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "icon%02lld.gif", static_cast<long long>(medium) + 1);
  return buffer;
}

std::string_view FixedText(const char* field, size_t size) {
  const void* end = std::memchr(field, '\0', size);
  return std::string_view(field, end ? static_cast<const char*>(end) - field : size);
}

std::string CommentAsHtml(std::string_view comment) {
  std::string joined;
  joined.reserve(comment.size());
  for (size_t i = 0; i < comment.size(); ++i) {
    if (comment[i] == '\r' && i + 1 < comment.size() && comment[i + 1] == '\n') {
      joined += "<br>";
      ++i;
    } else {
      joined += comment[i];
    }
  }
  std::string out;
  out.reserve(joined.size());
  for (size_t i = 0; i < joined.size(); ++i) {
    if (joined[i] == '\\' && i + 1 < joined.size() && joined[i + 1] == 'n') {
      out += "<br>";
      ++i;
    } else {
      out += joined[i];
    }
  }
  return out;
}

CodeNames::CodeNames(std::string_view list) : list_(list) {
  if (list_.empty()) return;
  size_t start = 0;
  for (;;) {
    const size_t bar = list_.find('|', start);
    if (bar == std::string::npos) {
      pieces_.emplace_back(start, list_.size() - start);
      break;
    }
    pieces_.emplace_back(start, bar - start);
    start = bar + 1;
  }
}

std::string_view CodeNames::Name(int32_t code, std::string_view beyond) const {
  if (pieces_.empty()) return {};
  if (code < 0 || static_cast<size_t>(code) >= pieces_.size()) return beyond;
  const auto [offset, size] = pieces_[static_cast<size_t>(code)];
  return std::string_view(list_).substr(offset, size);
}

}  // namespace orv::pagebuilder
