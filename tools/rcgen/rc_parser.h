// The resource-script reader's parser, internal to it. rc_script.cpp reads the tokens, numbers,
// styles and the top level (string tables, icons, skipped resources); rc_dialog.cpp reads the
// dialog templates and their controls. Every call fails at the first error, which stays in
// the ScriptError given, and afterwards does nothing.
#ifndef ORV_TOOLS_RCGEN_RC_PARSER_H
#define ORV_TOOLS_RCGEN_RC_PARSER_H

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/rcgen/rc_lexer.h"
#include "tools/rcgen/rc_script.h"
#include "tools/rcgen/rc_styles.h"

namespace orv::platform::rc {

class Parser {
 public:
  Parser(std::string_view source, ResourceScript& script, ScriptError& error);

  bool ParseScript();

 private:
  // Tokens
  void Advance();
  bool Fail(int line, std::string message);
  bool FailHere(const std::string& message);
  std::string Found() const;
  bool IsName(const char* upperName) const;
  bool IsPunct(char c) const;
  bool AcceptPunct(char c);
  bool ExpectComma();
  bool IsBegin() const;
  bool IsEndOfBlock() const;
  bool ReadString(std::string& out);
  void SkipMemoryFlags();

  // Numbers and styles
  bool ParseNumber(int& out);
  bool ParseExpression(uint32_t& out, int depth);
  bool ParseUnary(uint32_t& out, int depth);
  bool ParseStyle(StyleSet& set);

  // Top level
  bool ParseTopStatement();
  bool SkipLanguage();
  bool ParseNumberOrName();
  bool SkipResource(int line);
  bool ParseIcon(int line, int id);
  bool ParseStringTable();

  // Dialogs (rc_dialog.cpp)
  bool ParseDialog(int line, int id, bool extended);
  bool ParseFont(ScriptDialog& dialog);
  bool ParseControl(ScriptControl& control);
  bool ParseRectangle(ScriptControl& control);
  bool ParseShortControl(const ControlStatement& statement, ScriptControl& control,
                         StyleSet& styles);
  bool ParseGenericControl(ScriptControl& control, StyleSet& styles);
  bool SkipTrailingFields();

  RcLexer lexer_;
  ResourceScript& script_;
  ScriptError& error_;
  Token tok_;
  bool ok_ = true;
};

}  // namespace orv::platform::rc

#endif  // ORV_TOOLS_RCGEN_RC_PARSER_H
