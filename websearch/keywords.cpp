#include "websearch/keywords.h"

namespace orv::websearch {

std::string EncodeKeywords(std::string_view keywords, std::string_view blank) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : keywords) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      out += c;
    } else if (c == ' ') {
      out += blank;
    } else {
      const unsigned char byte = static_cast<unsigned char>(c);
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

}  // namespace orv::websearch
