// What became of each disc of a run that was not imported, and the one message that lists
// them at the end: "no match" and "could not reach" are never the same words.
#ifndef ORV_DISCFETCH_LOOKUP_REPORT_H
#define ORV_DISCFETCH_LOOKUP_REPORT_H

#include <string>
#include <string_view>
#include <vector>

#include "discfetch/cddb_client.h"

namespace orv::discfetch {

// The order is that of the reasons' strings (lookup_report.cpp).
enum class LookupOutcome {
  kNoMatch,      // the server does not know the disc: it leaves the queue
  kUnreachable,  // name not resolved, connection not made
  kNoAnswer,     // no answer in time
  kRefused,      // the server said no, with its own line
  kGarbled,      // an answer that makes no sense, or cut short
  kNoneChosen,   // "Aucun de ceux-ci": it leaves the queue like a disc the server does not know
  kCancelled,    // the choice among matches was cancelled
  kNotCached,    // cache only, and the cache does not hold the disc
};

LookupOutcome OutcomeOf(CddbError error);

// Only a disc the server does not know (or the user said is none of its matches) leaves the queue
// without an item; the others wait for the next run.
inline bool LeavesQueue(LookupOutcome outcome) {
  return outcome == LookupOutcome::kNoMatch || outcome == LookupOutcome::kNoneChosen;
}

struct DiscFailure {
  int position = 0;  // 1-based place in the queue
  LookupOutcome outcome = LookupOutcome::kNoMatch;
  std::string server;      // "host:port"; empty when no server was asked
  std::string serverLine;  // the server's refusal
};

// A refusal of the hello: the server wants to know who asks (today's public servers want an
// e-mail address).
bool IsHelloRefusal(std::string_view serverLine);

// "CD 2 : serveur injoignable (host:port)".
std::string FailureLine(const DiscFailure& failure);
// The whole message: a heading, one line per disc, what happens to them, and the advice to
// set the e-mail option when a server refused the hello. Empty without failures.
std::string FailureReport(const std::vector<DiscFailure>& failures);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_LOOKUP_REPORT_H
