// Reader of the UTF-8 resource scripts our modules carry (the dialect windres also compiles).
//
// What it reads: STRINGTABLE blocks, "id ICON file", "id DIALOG/DIALOGEX x, y, w, h" with
// STYLE, EXSTYLE, CAPTION and FONT and the controls LTEXT, RTEXT, CTEXT, GROUPBOX, EDITTEXT,
// COMBOBOX, CHECKBOX, AUTOCHECKBOX, RADIOBUTTON, AUTORADIOBUTTON, PUSHBUTTON, DEFPUSHBUTTON and
// CONTROL (classes Button, Edit, Static, ComboBox, SysDateTimePick32, SysListView32). Ids are
// numbers (IDOK, IDCANCEL and IDC_STATIC are known by name). LANGUAGE statements and memory
// flags are accepted and ignored; other resources (VERSIONINFO, MENU, BITMAP, ...) are skipped
// whole. Anything else is an error reported with its line, so a broken script fails the build
// with a message rather than giving a module with missing resources.
#ifndef ORV_PLATFORM_POSIX_RC_SCRIPT_H
#define ORV_PLATFORM_POSIX_RC_SCRIPT_H

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace orv::platform {

struct ScriptControl {
  int line = 0;
  std::string statement;  // "LTEXT", "CONTROL", ... upper case
  std::string className;  // canonical: "Button", "Edit", "Static", "ComboBox", ...
  ui::ControlKind kind = ui::ControlKind::kLabel;
  int id = 0;
  std::string text;  // as written, "&" accelerators included
  int x = 0, y = 0, w = 0, h = 0;
  std::vector<std::string> styles;  // names in effect: defaults of the statement, then the script's
  bool groupStart = false;          // WS_GROUP
  bool tabStop = false;             // WS_TABSTOP
  bool disabled = false;            // WS_DISABLED

  bool HasStyle(std::string_view name) const;
};

struct ScriptDialog {
  int line = 0;
  int id = 0;
  bool extended = false;  // DIALOGEX
  int x = 0, y = 0, w = 0, h = 0;
  std::string caption;
  std::string fontName;
  int fontSize = 0;
  std::vector<std::string> styles;    // STYLE, as written (NOT removes)
  std::vector<std::string> exStyles;  // EXSTYLE
  std::vector<ScriptControl> controls;
};

struct ScriptIcon {
  int line = 0;
  int id = 0;
  std::string fileName;  // as written; relative names are relative to the script's folder
};

struct ResourceScript {
  std::map<int, std::string> strings;  // by id
  std::map<int, ScriptIcon> icons;
  std::map<int, ScriptDialog> dialogs;
};

struct ScriptError {
  int line = 0;
  std::string message;
};

// Reads a whole script. On failure returns false with the first error (line and message) and
// `script` holds what was read before it.
bool ParseResourceScript(std::string_view source, ResourceScript& script, ScriptError& error);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_RC_SCRIPT_H
