#include "filescan/title_text.h"

namespace orv::filescan {

std::string FileTitleOf(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

std::string UnderscoresToSpaces(std::string_view text) {
  std::string spaced(text);
  for (char& c : spaced) {
    if (c == '_') c = ' ';
  }
  return spaced;
}

}  // namespace orv::filescan
