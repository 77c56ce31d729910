#include "discfetch/lookup_report.h"

#include <iterator>

#include "discfetch/cddb_answer.h"
#include "discfetch/item_builders.h"
#include "discfetch/resource_ids.h"
#include "platform/resources.h"
#include "text/ascii.h"

namespace orv::discfetch {
namespace {

// By LookupOutcome, in its order.
constexpr int kReasonStrings[] = {
    kStringReasonNoMatch, kStringReasonUnreachable, kStringReasonNoAnswer,  kStringReasonRefused,
    kStringReasonGarbled, kStringReasonNoneChosen,  kStringReasonCancelled, kStringReasonNotCached,
};

int ReasonString(LookupOutcome outcome) {
  const size_t at = static_cast<size_t>(outcome);
  return at < std::size(kReasonStrings) ? kReasonStrings[at] : kStringReasonGarbled;
}

}  // namespace

LookupOutcome OutcomeOf(CddbError error) {
  switch (error) {
    case CddbError::kNoMatch:
      return LookupOutcome::kNoMatch;
    case CddbError::kUnresolved:
    case CddbError::kUnreachable:
      return LookupOutcome::kUnreachable;
    case CddbError::kTimedOut:
    case CddbError::kTooSlow:
      return LookupOutcome::kNoAnswer;
    case CddbError::kRefused:
      return LookupOutcome::kRefused;
    case CddbError::kNone:
    case CddbError::kBroken:
    case CddbError::kTooLarge:
    case CddbError::kProtocol:
      return LookupOutcome::kGarbled;
  }
  return LookupOutcome::kGarbled;
}

bool IsHelloRefusal(std::string_view serverLine) {
  const std::string line = text::ToLowerAscii(serverLine);
  for (const char* word : {"mail", "hello", "handshake"}) {
    if (line.find(word) != std::string::npos) return true;
  }
  return false;
}

std::string FailureLine(const DiscFailure& failure) {
  std::string line = FormatNumbers(platform::LoadResourceString(ReasonString(failure.outcome)),
                                   {failure.position});
  if (!failure.server.empty()) line += " (" + failure.server + ")";
  // The server's words, cut short and kept to one line: they come from outside.
  if (!failure.serverLine.empty()) {
    std::string said = failure.serverLine.substr(0, 120);
    for (char& c : said) {
      if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    line += " : " + EntryTextToUser(said);
  }
  return line;
}

std::string FailureReport(const std::vector<DiscFailure>& failures) {
  if (failures.empty()) return std::string();
  std::string text = platform::LoadResourceString(kStringFailuresHeading) + "\n\n";
  bool helloRefused = false;
  for (const DiscFailure& failure : failures) {
    text += FailureLine(failure) + "\n";
    helloRefused = helloRefused || (failure.outcome == LookupOutcome::kRefused &&
                                    IsHelloRefusal(failure.serverLine));
  }
  text += "\n" + platform::LoadResourceString(kStringFailuresFate);
  if (helloRefused) text += "\n\n" + platform::LoadResourceString(kStringSetEmail);
  return text;
}

}  // namespace orv::discfetch
