#include "tools/rcgen/rc_script.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "text/ascii.h"
#include "tools/rcgen/rc_parser.h"

namespace orv::platform {
namespace {

constexpr int kMaxExpressionDepth = 32;

bool IsMemoryFlag(const std::string& upper) {
  static const char* const kFlags[] = {"DISCARDABLE", "MOVEABLE",   "FIXED",  "PURE",     "IMPURE",
                                       "PRELOAD",     "LOADONCALL", "SHARED", "NONSHARED"};
  for (const char* f : kFlags) {
    if (upper == f) return true;
  }
  return false;
}

// Resource types we do not use but a script may carry: skipped, whether they name a file or
// hold a block.
bool IsSkippedResourceType(const std::string& upper) {
  static const char* const kTypes[] = {"VERSIONINFO", "MENU",         "MENUEX",  "ACCELERATORS",
                                       "RCDATA",      "BITMAP",       "CURSOR",  "FONT",
                                       "HTML",        "MESSAGETABLE", "DLGINIT", "TOOLBAR"};
  for (const char* t : kTypes) {
    if (upper == t) return true;
  }
  return false;
}

}  // namespace

namespace rc {

Parser::Parser(std::string_view source, ResourceScript& script, ScriptError& error)
    : lexer_(source), script_(script), error_(error) {
  Advance();
}

bool Parser::ParseScript() {
  while (ok_ && tok_.kind != TokenKind::kEnd) {
    if (!ParseTopStatement()) break;
  }
  return ok_;
}

// Tokens -------------------------------------------------------------------------------

void Parser::Advance() {
  if (!ok_) return;
  tok_ = lexer_.Next();
  if (tok_.kind == TokenKind::kError) Fail(tok_.line, tok_.text);
}

bool Parser::Fail(int line, std::string message) {
  if (ok_) {
    ok_ = false;
    error_.line = line;
    error_.message = std::move(message);
  }
  return false;
}

bool Parser::FailHere(const std::string& message) { return Fail(tok_.line, message + Found()); }

std::string Parser::Found() const {
  switch (tok_.kind) {
    case TokenKind::kEnd:
      return " (found the end of the script)";
    case TokenKind::kString:
      return " (found a string)";
    default:
      return " (found \"" + tok_.text + "\")";
  }
}

bool Parser::IsName(const char* upperName) const {
  return tok_.kind == TokenKind::kName && text::ToUpperAscii(tok_.text) == upperName;
}
bool Parser::IsPunct(char c) const {
  return tok_.kind == TokenKind::kPunct && tok_.text.size() == 1 && tok_.text[0] == c;
}
bool Parser::AcceptPunct(char c) {
  if (!IsPunct(c)) return false;
  Advance();
  return true;
}
bool Parser::ExpectComma() {
  if (AcceptPunct(',')) return true;
  return FailHere("expected \",\"");
}
bool Parser::IsBegin() const { return IsName("BEGIN") || IsPunct('{'); }
bool Parser::IsEndOfBlock() const { return IsName("END") || IsPunct('}'); }

// Adjacent strings make one text.
bool Parser::ReadString(std::string& out) {
  if (tok_.kind != TokenKind::kString) return FailHere("expected a quoted string");
  out = tok_.text;
  Advance();
  while (ok_ && tok_.kind == TokenKind::kString) {
    out += tok_.text;
    Advance();
  }
  return ok_;
}

void Parser::SkipMemoryFlags() {
  while (ok_ && tok_.kind == TokenKind::kName && IsMemoryFlag(text::ToUpperAscii(tok_.text)))
    Advance();
}

// Numbers: literals, IDOK/IDCANCEL/IDC_STATIC, unary - ~, ( ), binary + - | &. ---------------

bool Parser::ParseNumber(int& out) {
  uint32_t v = 0;
  if (!ParseExpression(v, 0)) return false;
  out = static_cast<int>(static_cast<int32_t>(v));
  return true;
}

bool Parser::ParseExpression(uint32_t& out, int depth) {
  if (!ParseUnary(out, depth)) return false;
  while (
      ok_ && tok_.kind == TokenKind::kPunct && tok_.text.size() == 1 &&
      (tok_.text[0] == '+' || tok_.text[0] == '-' || tok_.text[0] == '|' || tok_.text[0] == '&')) {
    const char op = tok_.text[0];
    Advance();
    uint32_t rhs = 0;
    if (!ParseUnary(rhs, depth)) return false;
    switch (op) {
      case '+':
        out += rhs;
        break;
      case '-':
        out -= rhs;
        break;
      case '|':
        out |= rhs;
        break;
      default:
        out &= rhs;
        break;
    }
  }
  return ok_;
}

bool Parser::ParseUnary(uint32_t& out, int depth) {
  if (depth > kMaxExpressionDepth) return FailHere("expression nested too deeply");
  if (AcceptPunct('-')) {
    if (!ParseUnary(out, depth + 1)) return false;
    out = 0u - out;
    return true;
  }
  if (AcceptPunct('~')) {
    if (!ParseUnary(out, depth + 1)) return false;
    out = ~out;
    return true;
  }
  if (AcceptPunct('(')) {
    if (!ParseExpression(out, depth + 1)) return false;
    if (!AcceptPunct(')')) return FailHere("expected \")\"");
    return true;
  }
  if (tok_.kind == TokenKind::kNumber) {
    out = tok_.number;
    Advance();
    return ok_;
  }
  if (tok_.kind == TokenKind::kName) {
    static const std::pair<const char*, int> kIds[] = {
        {"IDOK", 1},     {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4},
        {"IDIGNORE", 5}, {"IDYES", 6},    {"IDNO", 7},    {"IDC_STATIC", -1},
    };
    for (const auto& id : kIds) {
      if (tok_.text == id.first) {
        out = static_cast<uint32_t>(id.second);
        Advance();
        return ok_;
      }
    }
    return FailHere("unknown name: ids must be numbers, IDOK, IDCANCEL or IDC_STATIC");
  }
  return FailHere("expected a number");
}

// Style expressions: names and numbers joined by "|", each optionally preceded by NOT. ---------

bool Parser::ParseStyle(StyleSet& set) {
  do {
    bool remove = false;
    if (IsName("NOT")) {
      remove = true;
      Advance();
    }
    if (tok_.kind == TokenKind::kName && !IsName("NOT")) {
      if (remove) {
        set.Remove(tok_.text);
      } else {
        set.Add(tok_.text);
      }
      Advance();
    } else if (tok_.kind == TokenKind::kNumber || IsPunct('(') || IsPunct('-') || IsPunct('~')) {
      uint32_t bits = 0;
      if (!ParseUnary(bits, 0)) return false;
      if (remove) {
        set.RemoveBits(bits);
      } else {
        set.AddBits(bits);
      }
    } else {
      return FailHere("expected a style");
    }
  } while (ok_ && AcceptPunct('|'));
  return ok_;
}

// Top level ----------------------------------------------------------------------------------

bool Parser::ParseTopStatement() {
  if (IsName("LANGUAGE")) return SkipLanguage();
  if (IsName("STRINGTABLE")) return ParseStringTable();
  if (tok_.kind == TokenKind::kName) {
    return FailHere("expected a resource statement: resource ids must be numbers");
  }
  const int line = tok_.line;
  int id = 0;
  if (!ParseNumber(id)) return false;
  if (id < 0 || id > 65535) {
    return Fail(line, "resource id " + std::to_string(id) + " is out of range 0 to 65535");
  }
  if (tok_.kind == TokenKind::kNumber) return SkipResource(line);  // numeric type
  if (tok_.kind != TokenKind::kName) return FailHere("expected a resource type");
  const std::string type = text::ToUpperAscii(tok_.text);
  if (type == "ICON") {
    Advance();
    return ParseIcon(line, id);
  }
  if (type == "DIALOG" || type == "DIALOGEX") {
    Advance();
    return ParseDialog(line, id, type == "DIALOGEX");
  }
  if (IsSkippedResourceType(type)) return SkipResource(line);
  return FailHere("unsupported resource type");
}

bool Parser::SkipLanguage() {
  Advance();
  return ParseNumberOrName() && ExpectComma() && ParseNumberOrName();
}

// LANGUAGE LANG_FRENCH, SUBLANG_FRENCH: the names come from winnt.h.
bool Parser::ParseNumberOrName() {
  if (tok_.kind == TokenKind::kName) {
    Advance();
    return ok_;
  }
  int ignored = 0;
  return ParseNumber(ignored);
}

// Everything up to the file name, or the whole BEGIN ... END block, nested blocks included.
bool Parser::SkipResource(int line) {
  Advance();  // the type
  while (ok_ && tok_.kind != TokenKind::kString && !IsBegin()) {
    if (tok_.kind == TokenKind::kEnd) return Fail(line, "resource without content");
    Advance();
  }
  if (!ok_) return false;
  if (tok_.kind == TokenKind::kString) {
    std::string ignored;
    return ReadString(ignored);
  }
  int depth = 0;
  do {
    if (tok_.kind == TokenKind::kEnd) return Fail(line, "missing END of the resource block");
    if (IsBegin()) ++depth;
    if (IsEndOfBlock()) --depth;
    Advance();
  } while (ok_ && depth > 0);
  return ok_;
}

bool Parser::ParseIcon(int line, int id) {
  SkipMemoryFlags();
  ScriptIcon icon;
  icon.line = line;
  icon.id = id;
  if (!ReadString(icon.fileName)) return false;
  if (icon.fileName.empty()) return Fail(line, "empty icon file name");
  if (!script_.icons.emplace(id, std::move(icon)).second) {
    return Fail(line, "icon " + std::to_string(id) + " is defined twice");
  }
  return true;
}

bool Parser::ParseStringTable() {
  const int line = tok_.line;
  Advance();
  while (ok_ && !IsBegin()) {
    if (tok_.kind == TokenKind::kEnd) return Fail(line, "STRINGTABLE without BEGIN");
    if (tok_.kind == TokenKind::kName && IsMemoryFlag(text::ToUpperAscii(tok_.text))) {
      Advance();
    } else if (IsName("LANGUAGE")) {
      if (!SkipLanguage()) return false;
    } else if (IsName("CHARACTERISTICS") || IsName("VERSION")) {
      Advance();
      int ignored = 0;
      if (!ParseNumber(ignored)) return false;
    } else {
      return FailHere("expected BEGIN after STRINGTABLE");
    }
  }
  Advance();
  while (ok_ && !IsEndOfBlock()) {
    if (tok_.kind == TokenKind::kEnd) return Fail(line, "missing END of STRINGTABLE");
    const int entryLine = tok_.line;
    int id = 0;
    if (!ParseNumber(id)) return false;
    AcceptPunct(',');
    std::string text;
    if (!ReadString(text)) return false;
    if (id < 0 || id > 65535) {
      return Fail(entryLine, "string id " + std::to_string(id) + " is out of range 0 to 65535");
    }
    if (!script_.strings.emplace(id, std::move(text)).second) {
      return Fail(entryLine, "string " + std::to_string(id) + " is defined twice");
    }
  }
  Advance();  // END
  return ok_;
}
}  // namespace rc

bool ScriptControl::HasStyle(std::string_view name) const {
  return std::find(styles.begin(), styles.end(), name) != styles.end();
}

bool ParseResourceScript(std::string_view source, ResourceScript& script, ScriptError& error) {
  error = ScriptError();
  rc::Parser parser(source, script, error);
  return parser.ParseScript();
}

}  // namespace orv::platform
