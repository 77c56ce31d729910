// Tokens of a UTF-8 resource script.
//
// Comments (// and /* */) and preprocessor lines (#pragma, #include, #if ..., with their
// backslash continuations) are skipped. Quoted strings are decoded here: the escapes \\ \" \n
// \r \t \a, \x with one or two hex digits and \ with one to three octal digits, and "" for a
// quote. An escaped byte of 0x80 or more stands for the character of that code point, written
// as UTF-8, so that texts stay valid UTF-8. Adjacent strings are joined by the parser, not here.
#ifndef ORV_PLATFORM_POSIX_RC_LEXER_H
#define ORV_PLATFORM_POSIX_RC_LEXER_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::platform {

enum class TokenKind { kEnd, kNumber, kString, kName, kPunct, kError };

struct Token {
  TokenKind kind = TokenKind::kEnd;
  int line = 1;
  std::string text;     // name, decoded string, the punctuation character, or the error
  uint32_t number = 0;  // kNumber; 32 bits as the resource compiler reads it
};

class RcLexer {
 public:
  // A UTF-8 byte-order mark at the start, as Windows editors write one, is skipped.
  explicit RcLexer(std::string_view source) : source_(source) {
    if (source_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  // The next token; kEnd at the end (again on every later call), kError with a message on
  // malformed input (an unterminated string or comment, an invalid byte).
  Token Next();

 private:
  bool SkipBlanksAndComments(Token& error);
  void SkipPreprocessorLine();
  Token ReadNumber();
  Token ReadName();
  Token ReadString();
  char Peek(size_t ahead = 0) const {
    return pos_ + ahead < source_.size() ? source_[pos_ + ahead] : '\0';
  }
  bool AtEnd() const { return pos_ >= source_.size(); }

  std::string_view source_;
  size_t pos_ = 0;
  int line_ = 1;
  bool lineStart_ = true;  // only blanks since the last line break: '#' starts a directive
};

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_RC_LEXER_H
