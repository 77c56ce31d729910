#include "websearch/keywords.h"

#include "text/code_page_numbers.h"
#include "text/codepage.h"

namespace orv::websearch {

KeywordCharset KeywordCharsetNamed(std::string_view name) {
  switch (text::CodePageOfCharset(name)) {
    case text::kCodePageUtf8:
      return KeywordCharset::kUtf8;
    case text::kCodePageWindows1252:
      return KeywordCharset::kWindows1252;
    default:
      return KeywordCharset::kUserCodePage;
  }
}

std::string EncodeKeywords(std::string_view keywords, std::string_view blank,
                           KeywordCharset charset) {
  std::string bytes;
  switch (charset) {
    case KeywordCharset::kUserCodePage:
      bytes = keywords;
      break;
    case KeywordCharset::kUtf8:
      bytes = text::UserToUtf8(keywords);
      break;
    case KeywordCharset::kWindows1252:
      bytes = text::Utf8ToWindows1252(text::UserToUtf8(keywords));
      break;
  }
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
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
