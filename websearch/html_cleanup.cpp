#include "websearch/html_cleanup.h"

#include "text/ascii.h"
#include "text/html_entities.h"

namespace orv::websearch {
namespace {

bool IsLineBreak(char c) { return c == '\t' || c == '\r' || c == '\n'; }
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Tags whose removal must not glue the words around them.
bool SeparatesWords(std::string_view tag) {
  size_t at = 1;
  if (at < tag.size() && tag[at] == '/') ++at;
  size_t end = at;
  while (end < tag.size() &&
         ((tag[end] >= 'a' && tag[end] <= 'z') || (tag[end] >= 'A' && tag[end] <= 'Z') ||
          (tag[end] >= '0' && tag[end] <= '9'))) {
    ++end;
  }
  const std::string name = text::ToLowerAscii(tag.substr(at, end - at));
  static const char* const kBlocks[] = {"br", "p",  "div", "li", "tr", "td",    "th", "h1",
                                        "h2", "h3", "h4",  "h5", "h6", "table", "ul", "ol"};
  for (const char* block : kBlocks) {
    if (name == block) return true;
  }
  return false;
}

std::string WithoutScripts(std::string_view text) {
  const std::string lower = text::ToLowerAscii(text);
  std::string out;
  size_t done = 0;
  for (size_t open = lower.find("<script"); open != std::string::npos;
       open = lower.find("<script", done)) {
    out.append(text.substr(done, open - done));
    out += ' ';
    const size_t close = lower.find("</script>", open);
    if (close == std::string::npos) return out;  // runs to the end of the value
    done = close + 9;
  }
  out.append(text.substr(done));
  return out;
}

std::string WithoutTags(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t done = 0;
  for (size_t open = text.find('<'); open != std::string_view::npos; open = text.find('<', done)) {
    const size_t close = text.find('>', open);
    if (close == std::string_view::npos) break;  // an unclosed tag stays as text
    out.append(text.substr(done, open - done));
    if (SeparatesWords(text.substr(open, close - open))) out += ' ';
    done = close + 1;
  }
  out.append(text.substr(done));
  return out;
}

std::string WithoutAll(std::string text, std::string_view what) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.erase(at, what.size());
  }
  return text;
}

std::string CollapseBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

}  // namespace

std::string WithoutLineBreaks(std::string_view page) {
  std::string out;
  out.reserve(page.size());
  for (size_t i = 0; i < page.size();) {
    if (!IsLineBreak(page[i])) {
      out += page[i++];
      continue;
    }
    size_t end = i;
    while (end < page.size() && IsLineBreak(page[end])) ++end;
    const bool wordBefore = !out.empty() && !IsBlank(out.back()) && out.back() != '>';
    const bool wordAfter = end < page.size() && !IsBlank(page[end]) && page[end] != '<';
    if (wordBefore && wordAfter) out += ' ';
    i = end;
  }
  return out;
}

std::string CleanHtml(std::string_view value) {
  std::string_view text = value;
  const size_t firstClose = text.find('>');
  if (firstClose != std::string_view::npos) {
    const size_t firstOpen = text.find('<');
    if (firstOpen == std::string_view::npos || firstOpen > firstClose) {
      text.remove_prefix(firstClose + 1);
    }
  }
  std::string out = WithoutTags(WithoutScripts(text));
  out = WithoutAll(WithoutAll(std::move(out), "<img"), "src=");
  return CollapseBlanks(text::DecodeEntities(out));
}

}  // namespace orv::websearch
