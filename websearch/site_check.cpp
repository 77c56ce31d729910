#include "websearch/site_check.h"

#include "platform/files.h"
#include "text/code_page_numbers.h"
#include "text/html_charset.h"
#include "websearch/html_cleanup.h"

namespace orv::websearch {

bool SiteCheck::Passed() const {
  if (!error.empty() || steps.empty()) return false;
  for (const StepCheck& step : steps) {
    if (!step.error.empty()) return false;
    for (const MarkerCheck& marker : step.markers) {
      if (marker.needed && !marker.found) return false;
    }
  }
  return true;
}

SiteChecker::SiteChecker(platform::WebClient& client, std::string agent, ExtractionRules rules,
                         std::vector<std::string> savedPages)
    : client_(client),
      agent_(std::move(agent)),
      rules_(std::move(rules)),
      savedPages_(savedPages.begin(), savedPages.end()) {}

StepCheck& SiteChecker::Step() {
  if (report_.steps.empty()) report_.steps.emplace_back();
  return report_.steps.back();
}

bool SiteChecker::Fetch(const std::string& name, const std::string& address, std::string& page) {
  StepCheck step;
  step.name = name;
  step.address = address;
  platform::WebPage fetched;
  bool ok = false;
  if (!savedPages_.empty()) {
    step.address = "file " + savedPages_.front() + " (for " + address + ")";
    ok = platform::ReadWholeFile(savedPages_.front(), fetched.bytes, platform::kMaxPageBytes);
    if (!ok) step.error = "cannot read " + savedPages_.front();
    savedPages_.pop_front();
  } else {
    ok = client_.FetchPage(address, fetched, agent_) == 1;
    step.status = fetched.status;
    if (!ok) step.error = client_.StatusText();
  }
  const uint32_t codePage = text::CodePageOfPage(fetched.contentType, fetched.bytes);
  step.charset = codePage == text::kCodePageUtf8          ? "utf-8"
                 : codePage == text::kCodePageWindows1252 ? "windows-1252"
                                                          : "code page " + std::to_string(codePage);
  report_.steps.push_back(std::move(step));
  if (!ok) return false;
  page = WithoutLineBreaks(text::PageToUser(fetched.bytes, fetched.contentType));
  return true;
}

const MarkerCheck& SiteChecker::Pair(std::string_view page, const std::string& key,
                                     const MarkerPair& markers, bool needed, bool clean) {
  if (markers.start.empty()) return unlisted_;
  MarkerCheck check;
  check.key = key;
  check.marker = markers.start;
  check.needed = needed;
  const size_t start = page.find(markers.start);
  check.found = start != std::string_view::npos &&
                (markers.end.empty() ||
                 page.find(markers.end, start + markers.start.size()) != std::string_view::npos);
  check.value = ExtractBetween(page, markers.start, markers.end, clean, rules_);
  Step().markers.push_back(std::move(check));
  return Step().markers.back();
}

const MarkerCheck& SiteChecker::Presence(std::string_view page, const std::string& key,
                                         const std::string& marker, bool needed) {
  if (marker.empty()) return unlisted_;
  MarkerCheck check;
  check.key = key;
  check.marker = marker;
  check.needed = needed;
  check.found = page.find(marker) != std::string_view::npos;
  Step().markers.push_back(std::move(check));
  return Step().markers.back();
}

void SiteChecker::Note(const std::string& key, const std::string& value) {
  MarkerCheck check;
  check.key = key;
  check.found = true;
  check.value = value;
  Step().markers.push_back(std::move(check));
}

void SiteChecker::Error(const std::string& why) {
  if (Step().error.empty()) Step().error = why;
}

}  // namespace orv::websearch
