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

// The CDDB text behind the HTTP header (after the first empty line); nothing without one.
std::optional<std::string_view> AnswerBody(std::string_view received);

// The number of the first three characters; -1 when they are not three digits.
int StatusCode(std::string_view answer);

// Outside text (Latin-1, or UTF-8 when it is valid UTF-8) in the user's code page.
std::string EntryTextToUser(std::string_view bytes);

// Each returns false when the command fails; see cddb_answer.cpp for the line shapes.
bool ParseSites(std::string_view answer, std::vector<CddbSite>& sites);
bool ParseStatus(std::string_view answer, ServerStatus& status);
bool ParseQuery(std::string_view answer, std::vector<QueryMatch>& matches);
// The entry text after the status line of a read answer (code 210-219 and at least one line).
std::optional<std::string_view> ReadAnswerEntry(std::string_view answer);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_CDDB_ANSWER_H
