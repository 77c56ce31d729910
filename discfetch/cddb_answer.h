// Reading what a CDDB server answers over its HTTP gateway: when an answer is complete, where
// the CDDB text begins behind the HTTP header, and the sites, stat, query and read answers.
// Every function is a function of the received bytes, so tests feed them directly.
#ifndef ORV_DISCFETCH_CDDB_ANSWER_H
#define ORV_DISCFETCH_CDDB_ANSWER_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "discfetch/cddb_types.h"

namespace orv::discfetch {

// A larger answer fails its command like a broken connection.
inline constexpr size_t kMaxAnswerBytes = size_t{1} << 20;

// Whether `received` holds a whole answer; if so, how much of it the answer is. A multi-line
// answer ends at a line holding a single "." (CR LF or LF alike), which is cut off. In
// single-line mode (the query) an answer whose CDDB code is not 210-219 is complete once its
// whole status line is in.
std::optional<size_t> CompleteAnswerLength(std::string_view received, bool singleLine);

// An answer as it arrives, piece by piece: complete once CompleteAnswerLength would say so,
// refused once it would grow past kMaxAnswerBytes. Each piece costs time in its own length only
// (the searches resume where they stopped), so an answer that trickles in byte by byte is not
// scanned over and over.
class AnswerReception {
 public:
  enum class State { kIncomplete, kComplete, kTooLarge };

  explicit AnswerReception(bool singleLine) : singleLine_(singleLine) {}

  // The state once `piece` is added; a piece that would pass the cap is not added. Pieces
  // after the answer is complete or refused are ignored.
  State Add(std::string_view piece);
  State Current() const { return state_; }
  // What was received; once complete, cut where the terminator begins.
  const std::string& Text() const { return text_; }

 private:
  bool singleLine_;
  State state_ = State::kIncomplete;
  std::string text_;
  size_t searched_ = 0;   // terminators and header ends before this were looked for
  size_t bodyStart_ = 0;  // where the CDDB text begins, once the header end is in
  bool bodyFound_ = false;
  bool statusLineJudged_ = false;  // single-line mode: the status line was in and read
};

// The CDDB text behind the HTTP header (after the first empty line); nothing without one.
std::optional<std::string_view> AnswerBody(std::string_view received);

// The number of the first three characters; -1 when they are not three digits.
int StatusCode(std::string_view answer);

// Outside text (Latin-1, or UTF-8 when it is valid UTF-8) in the user's code page: level-6
// entries are UTF-8, level-5 ones Latin-1 in principle and often UTF-8 in fact.
std::string EntryTextToUser(std::string_view bytes);

// The status of the HTTP status line ("HTTP/1.0 403 Forbidden" gives 403); -1 without one.
int HttpStatus(std::string_view received);
// The first line of a text, without its line end.
std::string_view FirstLine(std::string_view text);
// Whether a CDDB error answer says the server does not speak the protocol level asked.
bool RefusesProtocolLevel(std::string_view answer);

// Each returns false when the command fails; see cddb_answer.cpp for the line shapes.
bool ParseSites(std::string_view answer, std::vector<CddbSite>& sites);
bool ParseStatus(std::string_view answer, ServerStatus& status);
bool ParseQuery(std::string_view answer, std::vector<QueryMatch>& matches);
// The entry text after the status line of a read answer (code 210-219 and at least one line).
std::optional<std::string_view> ReadAnswerEntry(std::string_view answer);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_CDDB_ANSWER_H
