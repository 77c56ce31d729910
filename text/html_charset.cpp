#include "text/html_charset.h"

#include "text/ascii.h"
#include "text/code_page_numbers.h"
#include "text/codepage.h"

namespace orv::text {
namespace {

constexpr std::string_view kCharset = "charset";
constexpr size_t kNone = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The charset name after "charset" in `lower` (`i` just past that word): blanks, '=', blanks,
// an optional quote, then the name up to a blank, a quote, ';', '>' or '/'. Empty when there is
// no '='.
std::string_view CharsetAfter(std::string_view lower, size_t i) {
  while (i < lower.size() && IsBlank(lower[i])) ++i;
  if (i >= lower.size() || lower[i] != '=') return {};
  ++i;
  while (i < lower.size() && IsBlank(lower[i])) ++i;
  if (i < lower.size() && (lower[i] == '"' || lower[i] == '\'')) ++i;
  const size_t start = i;
  while (i < lower.size() && !IsBlank(lower[i]) && lower[i] != '"' && lower[i] != '\'' &&
         lower[i] != ';' && lower[i] != '>' && lower[i] != '/') {
    ++i;
  }
  return lower.substr(start, i - start);
}

}  // namespace

std::string CharsetParameter(std::string_view contentType) {
  const std::string lower = ToLowerAscii(contentType);
  const size_t at = lower.find(kCharset);
  return at == kNone ? std::string() : std::string(CharsetAfter(lower, at + kCharset.size()));
}

uint32_t DeclaredCodePage(std::string_view page, std::string_view lower) {
  if (page.substr(0, 3) == "\xEF\xBB\xBF") return kCodePageUtf8;
  const std::string_view head = lower.substr(0, lower.find("</head"));
  // The '>' that closes a tag and the next "charset" are searched for again only once the tags
  // have passed them: a head full of tags that are never closed takes one pass, not one a tag.
  size_t close = kNone, charset = kNone;
  bool searched = false;
  for (size_t at = head.find("<meta"); at != kNone; at = head.find("<meta", at + 5)) {
    if (!searched || (close != kNone && close < at)) close = head.find('>', at);
    if (!searched || (charset != kNone && charset < at)) charset = head.find(kCharset, at);
    searched = true;
    const std::string_view tag = head.substr(at, close == kNone ? kNone : close - at);
    if (charset == kNone || charset - at + kCharset.size() > tag.size()) continue;
    const std::string_view name = CharsetAfter(tag, charset - at + kCharset.size());
    if (!name.empty()) {
      const uint32_t codePage = CodePageOfCharset(name);
      // A tag found by reading the bytes as ASCII is no UTF-16 page's: browsers read it as UTF-8.
      if (codePage == kCodePageUtf16Le || codePage == kCodePageUtf16Be) return kCodePageUtf8;
      if (codePage) return codePage;
    }
  }
  return 0;
}

uint32_t DeclaredCodePage(std::string_view page) {
  return DeclaredCodePage(page, ToLowerAscii(page));
}

uint32_t CodePageOfPage(std::string_view contentType, std::string_view page) {
  uint32_t codePage = CodePageOfCharset(CharsetParameter(contentType));
  if (!codePage) codePage = DeclaredCodePage(page);
  if (!codePage) codePage = IsValidUtf8(page) ? kCodePageUtf8 : kCodePageWindows1252;
  return codePage;
}

std::string PageToUser(std::string_view page, std::string_view contentType) {
  const uint32_t codePage = CodePageOfPage(contentType, page);
  if (codePage == kCodePageUtf8 && !IsValidUtf8(page)) {
    // Bytes that fit no UTF-8 sequence are most likely windows-1252 pasted into the page.
    return Windows1252ToUser(Utf8ToWindows1252(page));
  }
  return CodePageToUser(codePage, page);
}

}  // namespace orv::text
