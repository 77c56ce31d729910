// Dialog templates of a resource script: the dialog statement, its options and its controls.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "text/ascii.h"
#include "tools/rcgen/rc_parser.h"

namespace orv::platform::rc {
namespace {

// A dialog template counts its controls in 16 bits.
constexpr size_t kMaxControls = 65535;

// Adds the names of a "|"-separated list.
void AddStyles(StyleSet& styles, std::string_view names) {
  while (!names.empty()) {
    const size_t bar = names.find('|');
    styles.Add(names.substr(0, bar));
    names = bar == std::string_view::npos ? std::string_view() : names.substr(bar + 1);
  }
}

}  // namespace

bool Parser::ParseDialog(int line, int id, bool extended) {
  ScriptDialog dialog;
  dialog.line = line;
  dialog.id = id;
  dialog.extended = extended;
  SkipMemoryFlags();
  if (!ParseNumber(dialog.x) || !ExpectComma() || !ParseNumber(dialog.y) || !ExpectComma() ||
      !ParseNumber(dialog.w) || !ExpectComma() || !ParseNumber(dialog.h)) {
    return false;
  }
  if (AcceptPunct(',')) {  // help id of DIALOGEX
    int ignored = 0;
    if (!ParseNumber(ignored)) return false;
  }
  StyleSet style, exStyle;
  while (ok_ && !IsBegin()) {
    if (tok_.kind != TokenKind::kName) return FailHere("expected BEGIN of the dialog");
    const std::string word = text::ToUpperAscii(tok_.text);
    const int wordLine = tok_.line;
    Advance();
    if (word == "STYLE") {
      if (!ParseStyle(style)) return false;
    } else if (word == "EXSTYLE") {
      if (!ParseStyle(exStyle)) return false;
    } else if (word == "CAPTION") {
      if (!ReadString(dialog.caption)) return false;
    } else if (word == "FONT") {
      if (!ParseFont(dialog)) return false;
    } else if (word == "LANGUAGE") {
      if (!ParseNumberOrName() || !ExpectComma() || !ParseNumberOrName()) return false;
    } else if (word == "MENU" || word == "CLASS") {
      if (tok_.kind == TokenKind::kString) {
        std::string ignored;
        if (!ReadString(ignored)) return false;
      } else if (!ParseNumberOrName()) {
        return false;
      }
    } else if (word == "CHARACTERISTICS" || word == "VERSION") {
      int ignored = 0;
      if (!ParseNumber(ignored)) return false;
    } else {
      return Fail(wordLine, "unknown dialog statement \"" + word + "\"");
    }
  }
  if (!ok_) return false;
  dialog.styles = style.Names();
  dialog.exStyles = exStyle.Names();
  Advance();  // BEGIN
  while (ok_ && !IsEndOfBlock()) {
    if (tok_.kind == TokenKind::kEnd) return Fail(line, "missing END of dialog");
    if (dialog.controls.size() >= kMaxControls) return FailHere("too many controls");
    ScriptControl control;
    if (!ParseControl(control)) return false;
    dialog.controls.push_back(std::move(control));
  }
  if (!ok_) return false;
  Advance();  // END
  if (!script_.dialogs.emplace(id, std::move(dialog)).second) {
    return Fail(line, "dialog " + std::to_string(id) + " is defined twice");
  }
  return ok_;
}

// FONT size, "name" [, weight [, italic [, charset]]]
bool Parser::ParseFont(ScriptDialog& dialog) {
  if (!ParseNumber(dialog.fontSize) || !ExpectComma() || !ReadString(dialog.fontName)) {
    return false;
  }
  for (int extra = 0; extra < 3 && AcceptPunct(','); ++extra) {
    int ignored = 0;
    if (!ParseNumber(ignored)) return false;
  }
  return ok_;
}

bool Parser::ParseControl(ScriptControl& control) {
  control.line = tok_.line;
  if (tok_.kind != TokenKind::kName) return FailHere("expected a control statement");
  control.statement = text::ToUpperAscii(tok_.text);
  StyleSet styles;
  if (control.statement == "CONTROL") {
    Advance();
    if (!ParseGenericControl(control, styles)) return false;
  } else {
    const ControlStatement* statement = FindControlStatement(control.statement);
    if (!statement) return FailHere("unknown control statement");
    Advance();
    if (!ParseShortControl(*statement, control, styles)) return false;
  }
  control.styles = styles.Names();
  control.groupStart = styles.Has("WS_GROUP");
  control.tabStop = styles.Has("WS_TABSTOP");
  control.disabled = styles.Has("WS_DISABLED");
  return true;
}

bool Parser::ParseRectangle(ScriptControl& control) {
  return ParseNumber(control.x) && ExpectComma() && ParseNumber(control.y) && ExpectComma() &&
         ParseNumber(control.w) && ExpectComma() && ParseNumber(control.h);
}

// text, id, x, y, w, h [, style [, exstyle [, helpid]]]; EDITTEXT and COMBOBOX have no text.
bool Parser::ParseShortControl(const ControlStatement& statement, ScriptControl& control,
                               StyleSet& styles) {
  control.className = statement.className;
  control.kind = statement.kind;
  if (statement.hasText && (!ReadString(control.text) || !ExpectComma())) return false;
  if (!ParseNumber(control.id) || !ExpectComma() || !ParseRectangle(control)) return false;
  if (AcceptPunct(',')) {
    AddStyles(styles, statement.baseStyles);
    if (!ParseStyle(styles)) return false;
    if (!SkipTrailingFields()) return false;
  } else {
    AddStyles(styles, statement.defaultStyles);
  }
  return ok_;
}

// CONTROL text, id, class, style, x, y, w, h [, exstyle [, helpid]]
bool Parser::ParseGenericControl(ScriptControl& control, StyleSet& styles) {
  if (tok_.kind == TokenKind::kString) {
    if (!ReadString(control.text)) return false;
  } else {
    int ignored = 0;  // a resource id as text (icons, bitmaps): no text of ours
    if (!ParseNumber(ignored)) return false;
  }
  if (!ExpectComma() || !ParseNumber(control.id) || !ExpectComma()) return false;
  std::string className;
  const int classLine = tok_.line;
  if (tok_.kind == TokenKind::kString) {
    if (!ReadString(className)) return false;
  } else if (tok_.kind == TokenKind::kName) {
    className = tok_.text;
    Advance();
  } else {
    return FailHere("expected a control class");
  }
  const char* canonical = CanonicalControlClass(className);
  if (!canonical) return Fail(classLine, "unsupported control class \"" + className + "\"");
  control.className = canonical;
  if (!ExpectComma() || !ParseStyle(styles) || !ExpectComma() || !ParseRectangle(control)) {
    return false;
  }
  control.kind = KindOfClass(control.className, styles);
  return SkipTrailingFields();
}

// [, exstyle [, helpid]]: not used by the model.
bool Parser::SkipTrailingFields() {
  for (int field = 0; field < 2 && AcceptPunct(','); ++field) {
    StyleSet ignored;
    if (!ParseStyle(ignored)) return false;
  }
  if (IsBegin()) return FailHere("control data blocks are not supported");
  return ok_;
}

}  // namespace orv::platform::rc
