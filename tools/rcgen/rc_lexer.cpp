#include "tools/rcgen/rc_lexer.h"

#include "text/codepage.h"

namespace orv::platform {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

Token MakeError(int line, std::string message) {
  Token t;
  t.kind = TokenKind::kError;
  t.line = line;
  t.text = std::move(message);
  return t;
}

}  // namespace

Token RcLexer::Next() {
  Token error;
  if (!SkipBlanksAndComments(error)) return error;
  if (AtEnd()) {
    Token end;
    end.line = line_;
    return end;
  }
  const char c = Peek();
  if (IsDigit(c)) return ReadNumber();
  if (c == '"') return ReadString();
  if (IsNameStart(c)) return ReadName();
  const unsigned char byte = static_cast<unsigned char>(c);
  if (byte > 0x20 && byte < 0x7f) {
    Token t;
    t.kind = TokenKind::kPunct;
    t.line = line_;
    t.text = std::string(1, c);
    ++pos_;
    return t;
  }
  return MakeError(line_, "unexpected character outside a quoted string");
}

bool RcLexer::SkipBlanksAndComments(Token& error) {
  while (!AtEnd()) {
    const char c = Peek();
    if (c == '\n') {
      ++line_;
      ++pos_;
      lineStart_ = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++pos_;
    } else if (c == '#' && lineStart_) {
      SkipPreprocessorLine();
    } else if (c == '/' && Peek(1) == '/') {
      while (!AtEnd() && Peek() != '\n') ++pos_;
    } else if (c == '/' && Peek(1) == '*') {
      const int startLine = line_;
      pos_ += 2;
      while (!AtEnd() && !(Peek() == '*' && Peek(1) == '/')) {
        if (Peek() == '\n') ++line_;
        ++pos_;
      }
      if (AtEnd()) {
        error = MakeError(startLine, "unterminated /* comment");
        return false;
      }
      pos_ += 2;
    } else {
      lineStart_ = false;
      return true;
    }
  }
  return true;
}

void RcLexer::SkipPreprocessorLine() {
  // A backslash at the end of a line continues the directive on the next one.
  while (!AtEnd()) {
    const char c = Peek();
    if (c == '\\' && (Peek(1) == '\n' || (Peek(1) == '\r' && Peek(2) == '\n'))) {
      pos_ += Peek(1) == '\n' ? 2 : 3;
      ++line_;
      continue;
    }
    if (c == '\n') return;  // the caller counts the line break
    ++pos_;
  }
}

Token RcLexer::ReadNumber() {
  Token t;
  t.kind = TokenKind::kNumber;
  t.line = line_;
  const size_t start = pos_;
  uint64_t value = 0;
  int base = 10;
  if (Peek() == '0' && (Peek(1) == 'x' || Peek(1) == 'X')) {
    base = 16;
    pos_ += 2;
    if (HexValue(Peek()) < 0) return MakeError(line_, "hexadecimal number without digits");
  }
  while (!AtEnd()) {
    const int digit = base == 16 ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
    if (digit < 0) break;
    value = value * base + static_cast<uint64_t>(digit);
    if (value > 0xffffffffULL) return MakeError(line_, "number too large");
    ++pos_;
  }
  while (Peek() == 'L' || Peek() == 'l' || Peek() == 'U' || Peek() == 'u') ++pos_;
  if (IsNameChar(Peek())) return MakeError(line_, "malformed number");
  t.number = static_cast<uint32_t>(value);
  t.text = std::string(source_.substr(start, pos_ - start));
  return t;
}

Token RcLexer::ReadName() {
  // L"..." is a wide string: the same text for us.
  if (Peek() == 'L' && Peek(1) == '"') {
    ++pos_;
    return ReadString();
  }
  Token t;
  t.kind = TokenKind::kName;
  t.line = line_;
  const size_t start = pos_;
  while (!AtEnd() && IsNameChar(Peek())) ++pos_;
  t.text = std::string(source_.substr(start, pos_ - start));
  return t;
}

Token RcLexer::ReadString() {
  Token t;
  t.kind = TokenKind::kString;
  t.line = line_;
  ++pos_;  // opening quote
  std::string& out = t.text;
  for (;;) {
    if (AtEnd() || Peek() == '\n') return MakeError(t.line, "unterminated string");
    const char c = Peek();
    if (c == '"') {
      if (Peek(1) == '"') {  // "" inside a string is one quote
        out += '"';
        pos_ += 2;
        continue;
      }
      ++pos_;
      break;
    }
    if (c == '\0') return MakeError(line_, "a string cannot hold a NUL character");
    if (c != '\\') {
      out += c;
      ++pos_;
      continue;
    }
    const char e = Peek(1);
    pos_ += 2;
    switch (e) {
      case '\\':
        out += '\\';
        continue;
      case '"':
        out += '"';
        continue;
      case 'n':
        out += '\n';
        continue;
      case 'r':
        out += '\r';
        continue;
      case 't':
        out += '\t';
        continue;
      case 'a':
        out += '\a';
        continue;
      default:
        break;
    }
    uint32_t code = 0;
    int digits = 0;
    if (e == 'x' || e == 'X') {
      while (digits < 2 && HexValue(Peek()) >= 0) {
        code = code * 16 + static_cast<uint32_t>(HexValue(Peek()));
        ++pos_;
        ++digits;
      }
      if (digits == 0) return MakeError(line_, "\\x without hexadecimal digits");
    } else if (e >= '0' && e <= '7') {
      code = static_cast<uint32_t>(e - '0');
      digits = 1;
      while (digits < 3 && Peek() >= '0' && Peek() <= '7') {
        code = code * 8 + static_cast<uint32_t>(Peek() - '0');
        ++pos_;
        ++digits;
      }
    } else if (e == '\n' || e == '\0') {
      return MakeError(t.line, "unterminated string");
    } else {
      // Unknown escapes keep both characters, as the resource compiler does.
      out += '\\';
      out += e;
      continue;
    }
    if (code == 0) return MakeError(line_, "a string cannot hold a NUL character");
    text::AppendUtf8(out, code & 0xff);
  }
  if (!text::IsValidUtf8(out)) return MakeError(t.line, "string is not valid UTF-8");
  return t;
}

}  // namespace orv::platform
