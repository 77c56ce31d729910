// Film cards: plain-text files, one film per file, whose first ten lines are the film's values
// (French title, director, year, country, genre, running time, actors, synopsis, distributor,
// English title). Lines end with CR LF or LF; a line past the end of the card reads as empty.
//
// Cards come from outside: the reader takes at most kMaxCardBytes of a file (a card is small;
// a larger file is read from its start only), drops zero bytes, and decodes the text as
// windows-1252, or as UTF-8 when the used lines are valid UTF-8, into the user's code page.
#ifndef ORV_FILMCARD_CARD_READER_H
#define ORV_FILMCARD_CARD_READER_H

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orv::filmcard {

constexpr size_t kCardLineCount = 10;
constexpr size_t kMaxCardBytes = size_t{1} << 20;

enum CardLine : size_t {
  kLineFrenchTitle = 0,
  kLineDirector,
  kLineYear,
  kLineCountry,
  kLineGenre,
  kLineRunningTime,
  kLineActors,
  kLineSynopsis,
  kLineDistributor,
  kLineEnglishTitle,
};

using CardLines = std::array<std::string, kCardLineCount>;

// The first ten lines of the card's bytes, decoded into the user's code page.
CardLines DecodeCard(std::string_view bytes);

// Reads and decodes the card at `path`; nothing when it cannot be opened or read (a folder, a
// named pipe or anything else that is not a plain file, a file without read permission, a
// missing file).
std::optional<CardLines> ReadCard(const std::string& path);

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_CARD_READER_H
