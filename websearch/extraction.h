// Values found between a start and an end marker of a page, cleaned of their HTML, with their
// capitals repaired when the user asks for it.
#ifndef ORV_WEBSEARCH_EXTRACTION_H
#define ORV_WEBSEARCH_EXTRACTION_H

#include <functional>
#include <string>
#include <string_view>

namespace orv::websearch {

// All in capitals (or without letters): lower-cased with a capital first character, so that
// "LE GRAND BLEU" becomes "Le grand bleu". A text with more small letters than capitals is
// left alone. Accented capitals of Latin-1 count as letters neither way, as the count is of
// A to Z and a to z, but they are lower-cased with the rest.
std::string FixCapitals(std::string_view text);

struct ExtractionRules {
  bool fixCapitals = false;  // option CorrectCast
  // Called for every extraction with a start marker, found or not (option DebugMode).
  std::function<void(std::string_view start, std::string_view end, std::string_view value)> debug;
};

// The text after the first `start` of the page up to the first `end` after it (to the end of
// the page when there is none), without further occurrences of either marker, cleaned when
// `clean` is set, without surrounding blanks, capitals repaired by the rules. Empty when the
// start marker is empty or absent.
std::string ExtractBetween(std::string_view page, std::string_view start, std::string_view end,
                           bool clean, const ExtractionRules& rules);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_EXTRACTION_H
