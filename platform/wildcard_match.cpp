// Wildcard matching as FindFirstFile does it, shared by both platforms' enumerations.
#include "platform/files.h"
#include "text/ascii.h"

namespace orv::platform {

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Windows lets a final ".*" match a name without any extension, so "*.*" matches every name.
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      WildcardMatch(pattern.substr(0, pattern.size() - 2), name)) {
    return true;
  }
  // Greedy matching with one backtrack point: linear in practice, never exponential.
  size_t p = 0, n = 0;
  size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || text::LowerAscii(pattern[p]) == text::LowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace orv::platform
