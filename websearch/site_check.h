// A check of a site file against its site, for people who write and repair site files
// (orvhost check-site): the steps of a search (search page, result page), each with the address
// fetched, the HTTP status, the charset the page was read in, and every marker of the site
// file: found or not, and what it extracted. Saved pages can stand in for the site, in the
// order the run would fetch them.
#ifndef ORV_WEBSEARCH_SITE_CHECK_H
#define ORV_WEBSEARCH_SITE_CHECK_H

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/page_fetch.h"
#include "websearch/extraction.h"
#include "websearch/site_file.h"

namespace orv::websearch {

struct MarkerCheck {
  std::string key;     // as the site file names it ("Result_Title", "ListName")
  std::string marker;  // its (start) marker
  bool found = false;
  bool needed = false;  // the run cannot do without it
  std::string value;    // what it extracted
};

struct StepCheck {
  std::string name;  // "search", "result"
  std::string address;
  int status = 0;  // HTTP status; 0 for a saved page or when nothing answered
  std::string charset;
  std::string error;  // why the step could not go on; "" when it could
  std::vector<MarkerCheck> markers;
};

struct SiteCheck {
  std::string error;  // the site file could not be loaded
  std::vector<StepCheck> steps;
  // No error anywhere, and every needed marker found.
  bool Passed() const;
};

class SiteChecker {
 public:
  // `savedPages` are files read in place of the fetches, in order; when they run out the site
  // itself is asked.
  SiteChecker(platform::WebClient& client, std::string agent, ExtractionRules rules,
              std::vector<std::string> savedPages);

  // Starts step `name` and gets its page (without line breaks, in the user's code page). False
  // when there is none: the step's error says why.
  bool Fetch(const std::string& name, const std::string& address, std::string& page);
  // The pair `key`_Start/_End on the page: found when its start marker (and its end marker,
  // when it has one, after it) occurs. A pair without a start marker is not listed.
  const MarkerCheck& Pair(std::string_view page, const std::string& key, const MarkerPair& markers,
                          bool needed, bool clean = true);
  // A marker whose presence alone counts. Not listed when empty.
  const MarkerCheck& Presence(std::string_view page, const std::string& key,
                              const std::string& marker, bool needed);
  // A line for what was found that is no marker (the number of hits).
  void Note(const std::string& key, const std::string& value);
  void Error(const std::string& why);

  SiteCheck& Report() { return report_; }

 private:
  StepCheck& Step();

  platform::WebClient& client_;
  std::string agent_;
  ExtractionRules rules_;
  std::deque<std::string> savedPages_;
  SiteCheck report_;
  MarkerCheck unlisted_;
};

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_SITE_CHECK_H
