#include "filescan/web_page_head.h"

#include "text/ascii.h"
#include "text/code_page_numbers.h"
#include "text/html_entities.h"

namespace orv::filescan {
namespace {

constexpr std::string_view kTitleOpen = "<title>";
constexpr std::string_view kTitleClose = "</title>";
constexpr std::string_view kContent = "content=\"";

// A head text as the page shows it: references decoded, the lines it was written on joined.
std::string Shown(uint32_t codePage, std::string_view raw) {
  return text::CollapseAsciiBlanks(text::DecodeEntities(text::CodePageToUser(codePage, raw)));
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The charset name after "charset" in `tag` (lower case; `i` just past that word): blanks, '=',
// blanks, an optional quote, then the name up to a blank, a quote, ';', '>' or '/'. Empty when
// there is no '='.
std::string_view CharsetAfter(std::string_view tag, size_t i) {
  while (i < tag.size() && IsBlank(tag[i])) ++i;
  if (i >= tag.size() || tag[i] != '=') return {};
  ++i;
  while (i < tag.size() && IsBlank(tag[i])) ++i;
  if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) ++i;
  const size_t start = i;
  while (i < tag.size() && !IsBlank(tag[i]) && tag[i] != '"' && tag[i] != '\'' && tag[i] != ';' &&
         tag[i] != '>' && tag[i] != '/') {
    ++i;
  }
  return tag.substr(start, i - start);
}

// The code page the head's meta tags declare.
uint32_t DeclaredCodePage(std::string_view page, std::string_view lower) {
  constexpr std::string_view kCharset = "charset";
  constexpr size_t kNone = std::string_view::npos;
  if (page.substr(0, 3) == "\xEF\xBB\xBF") return text::kCodePageUtf8;
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
      const uint32_t codePage = text::CodePageOfCharset(name);
      if (codePage) return codePage;
    }
  }
  return text::kCodePageWindows1252;
}

}  // namespace

WebPageHead DecodeWebPageHead(std::string_view page) {
  page = page.substr(0, page.find('\0'));
  const std::string lower = text::ToLowerAscii(page);
  const uint32_t codePage = DeclaredCodePage(page, lower);
  WebPageHead head;

  const size_t open = lower.find(kTitleOpen);
  const size_t close = lower.find(kTitleClose);
  if (open != std::string::npos && close != std::string::npos) {
    const size_t start = open + kTitleOpen.size();
    if (close > start)
      head.title = Shown(codePage, page.substr(start, close - start));
  }

  const size_t description = lower.find("description");
  const size_t content =
      description == std::string::npos ? std::string::npos : lower.find(kContent, description);
  if (content != std::string::npos) {
    const size_t start = content + kContent.size();
    // The value ends at its closing quote, whatever follows it (">", "/>", " />").
    const size_t end = page.find('"', start);
    if (end != std::string::npos) {
      head.hasDescription = true;
      head.description = Shown(codePage, page.substr(start, end - start));
    }
  }
  return head;
}

}  // namespace orv::filescan
