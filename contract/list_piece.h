// Pieces of "|"- or ","-separated lists, as every vocabulary of the filters is stored.
//
// Pieces are counted from 1. An empty list, or an index past the last piece (or below 1), gives
// the default text. What an empty piece gives (two separators in a row, a leading separator, a
// trailing one) differs per filter, so it is a parameter.
#ifndef ORV_CONTRACT_LIST_PIECE_H
#define ORV_CONTRACT_LIST_PIECE_H

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class EmptyPiece {
  kEmptyText,    // discfetch, pagebuilder, filmcard
  kDefaultText,  // filescan, filmsearch, auctionsearch
};

// Only the first character of `separator` splits.
std::string GetListPiece(int index, std::string_view text, std::string_view defaultText,
                         std::string_view separator, EmptyPiece emptyPiece);

// The iteration every list is walked with: pieces 1, 2, 3 ... until the first empty piece.
// `visit` returns false to stop early. Returns the number of pieces visited.
int WalkList(std::string_view text, std::string_view separator, EmptyPiece emptyPiece,
             const std::function<bool(int index, const std::string& piece)>& visit);

std::vector<std::string> ListPieces(std::string_view text, std::string_view separator,
                                    EmptyPiece emptyPiece);

}  // namespace orv

#endif  // ORV_CONTRACT_LIST_PIECE_H
