#include "websearch/extraction.h"

#include "text/ascii.h"
#include "text/user_case.h"
#include "websearch/html_cleanup.h"

namespace orv::websearch {
namespace {

void RemoveAll(std::string& text, std::string_view what) {
  if (what.empty()) return;
  std::string out;
  size_t done = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, done)) {
    out.append(text, done, at - done);
    done = at + what.size();
  }
  if (done == 0) return;
  out.append(text, done, std::string::npos);
  text = std::move(out);
}

}  // namespace

std::string FixCapitals(std::string_view text) {
  size_t capitals = 0, small = 0;
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') ++capitals;
    if (c >= 'a' && c <= 'z') ++small;
  }
  if (capitals < small) return std::string(text);
  return text::UpperFirstUser(text::ToLowerUser(text));
}

std::string ExtractBetween(std::string_view page, std::string_view start, std::string_view end,
                           bool clean, const ExtractionRules& rules) {
  if (start.empty()) return std::string();
  std::string value;
  const size_t found = page.find(start);
  if (found != std::string_view::npos) {
    std::string_view rest = page.substr(found + start.size());
    const size_t stop = rest.find(end);
    if (stop != std::string_view::npos) rest = rest.substr(0, stop);
    value.assign(rest);
    RemoveAll(value, start);
    RemoveAll(value, end);
    if (clean) value = CleanHtml(value);
    value = std::string(text::TrimAsciiBlanks(value));
    if (rules.fixCapitals) value = FixCapitals(value);
  }
  if (rules.debug) rules.debug(start, end, value);
  return value;
}

}  // namespace orv::websearch
