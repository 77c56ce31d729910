#include "text/html_charset.h"

#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::text {
namespace {

constexpr size_t kMetaWindow = 8192;

bool IsTokenChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' ||
         c == ':';
}

// The token after "charset" (and blanks, "=", quotes) at `at` of a lower-cased text.
std::string TokenAfterCharset(std::string_view lower, size_t at) {
  at += 7;  // "charset"
  while (at < lower.size() &&
         (lower[at] == ' ' || lower[at] == '=' || lower[at] == '"' || lower[at] == '\'')) {
    ++at;
  }
  size_t end = at;
  while (end < lower.size() && IsTokenChar(lower[end])) ++end;
  return std::string(lower.substr(at, end - at));
}

}  // namespace

std::string CharsetParameter(std::string_view contentType) {
  const std::string lower = ToLowerAscii(contentType);
  const size_t at = lower.find("charset");
  return at == std::string::npos ? std::string() : TokenAfterCharset(lower, at);
}

std::string MetaCharset(std::string_view page) {
  const std::string lower = ToLowerAscii(page.substr(0, kMetaWindow));
  for (size_t meta = lower.find("<meta"); meta != std::string::npos;
       meta = lower.find("<meta", meta + 5)) {
    const size_t close = lower.find('>', meta);
    const std::string_view tag = std::string_view(lower).substr(
        meta, close == std::string::npos ? std::string::npos : close - meta);
    const size_t at = tag.find("charset");
    if (at == std::string_view::npos) continue;
    const std::string token = TokenAfterCharset(tag, at);
    if (!token.empty()) return token;
  }
  return std::string();
}

PageCharset CharsetOfPage(std::string_view contentType, std::string_view page) {
  std::string name = CharsetParameter(contentType);
  if (name.empty()) name = MetaCharset(page);
  return name == "utf-8" || name == "utf8" ? PageCharset::kUtf8 : PageCharset::kWindows1252;
}

std::string PageToUser(std::string_view page, std::string_view contentType) {
  if (CharsetOfPage(contentType, page) == PageCharset::kUtf8) {
    if (IsValidUtf8(page)) return Utf8ToUser(page);
    // Bytes that fit no UTF-8 sequence are most likely windows-1252 pasted into the page.
    return Windows1252ToUser(Utf8ToWindows1252(page));
  }
  return Windows1252ToUser(page);
}

}  // namespace orv::text
