#include "filescan/filter_tokens.h"

#include "contract/list_piece.h"
#include "text/ascii.h"

namespace orv::filescan {

bool PathMatchesFilter(std::string_view upperPath, std::string_view filter) {
  bool found = false;
  WalkList(filter, ";", EmptyPiece::kDefaultText, [&](int, const std::string& token) {
    found = upperPath.find(text::ToUpperAscii(token)) != std::string_view::npos;
    return !found;
  });
  return found;
}

}  // namespace orv::filescan
