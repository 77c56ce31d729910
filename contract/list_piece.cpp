#include "contract/list_piece.h"

namespace orv {

std::string GetListPiece(int index, std::string_view text, std::string_view defaultText,
                         std::string_view separator, EmptyPiece emptyPiece) {
  if (text.empty() || index < 1) return std::string(defaultText);
  const char sep = separator.empty() ? '\0' : separator.front();
  size_t start = 0;
  for (int seen = 0; seen < index - 1; ++seen) {
    const size_t at = text.find(sep, start);
    if (at == std::string_view::npos) return std::string(defaultText);
    start = at + 1;
  }
  size_t end = text.find(sep, start);
  if (end == std::string_view::npos) end = text.size();
  if (end == start && emptyPiece == EmptyPiece::kDefaultText) return std::string(defaultText);
  return std::string(text.substr(start, end - start));
}

int WalkList(std::string_view text, std::string_view separator, EmptyPiece emptyPiece,
             const std::function<bool(int index, const std::string& piece)>& visit) {
  int visited = 0;
  // A list of n bytes holds at most n + 1 pieces; the bound keeps the walk finite.
  for (int index = 1; index <= static_cast<int>(text.size()) + 1; ++index) {
    const std::string piece = GetListPiece(index, text, "", separator, emptyPiece);
    if (piece.empty()) break;
    ++visited;
    if (!visit(index, piece)) break;
  }
  return visited;
}

std::vector<std::string> ListPieces(std::string_view text, std::string_view separator,
                                    EmptyPiece emptyPiece) {
  std::vector<std::string> pieces;
  WalkList(text, separator, emptyPiece, [&](int, const std::string& piece) {
    pieces.push_back(piece);
    return true;
  });
  return pieces;
}

}  // namespace orv
