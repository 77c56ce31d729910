// Why a web search run ended early, told to the user in one message box with the address:
// the site could not be reached, it answered an HTTP error, it refuses automated requests, the
// search found no hit, or the page no longer matches the site file. "Nothing found" and "could
// not reach" must never read alike: the user acts differently on each.
#ifndef ORV_WEBSEARCH_RUN_FAILURE_H
#define ORV_WEBSEARCH_RUN_FAILURE_H

#include <string>
#include <string_view>

#include "platform/page_fetch.h"
#include "websearch/site_file.h"

namespace orv::websearch {

enum class FailureKind { kUnreachable, kHttpError, kRefused, kNoHit, kPageChanged };

struct RunFailure {
  FailureKind kind = FailureKind::kUnreachable;
  std::string address;
  std::string detail;  // the system's reason, the refusal's sign, or the markers not found
  int status = 0;      // kHttpError
};

// A page that asks a browser to prove itself (a captcha, "enable JavaScript and cookies",
// "checking your browser") rather than answering the search.
bool LooksLikeChallenge(std::string_view page);

// A fetch that failed: an HTTP error (403, 429 or a challenge page are the site refusing
// robots), else a site that could not be reached for the client's reason.
RunFailure FetchFailure(const std::string& address, const platform::WebPage& answer,
                        const std::string& reason);

// A page that was fetched but lacks the `missing` markers: a challenge page is a refusal,
// anything else a site that changed.
RunFailure PageFailure(const std::string& address, std::string_view page, std::string missing);

RunFailure NoHit(const std::string& address);

// How the message names a marker of the site file: its key and its value in quotes.
std::string MarkerName(std::string_view key, std::string_view value);

// The French message, from the filter's string table.
std::string FailureMessage(const RunFailure& failure);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_RUN_FAILURE_H
