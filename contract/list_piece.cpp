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
  // Walked with an empty default, an empty piece is empty in both modes and ends the walk; one
  // pass over the text gives the same pieces as asking GetListPiece for 1, 2, 3 ...
  (void)emptyPiece;
  const char sep = separator.empty() ? '\0' : separator.front();
  int visited = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(sep, start);
    if (end == std::string_view::npos) end = text.size();
    if (end == start) break;
    ++visited;
    if (!visit(visited, std::string(text.substr(start, end - start)))) break;
    start = end + 1;
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
