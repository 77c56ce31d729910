// The resource-script reader: texts, dialogs, and malformed scripts reported by line.
#include <gtest/gtest.h>

#include <string>

#include "tools/rcgen/rc_script.h"

namespace orv::platform {
namespace {

using ui::ControlKind;

ResourceScript MustParse(const std::string& source) {
  ResourceScript script;
  ScriptError error;
  EXPECT_TRUE(ParseResourceScript(source, script, error))
      << "line " << error.line << ": " << error.message;
  return script;
}

ScriptError MustFail(const std::string& source) {
  ResourceScript script;
  ScriptError error;
  EXPECT_FALSE(ParseResourceScript(source, script, error)) << source;
  EXPECT_FALSE(error.message.empty());
  return error;
}

std::string Dialog(const std::string& controls) {
  return "1 DIALOGEX 0, 0, 100, 50\nBEGIN\n" + controls + "\nEND\n";
}

const ScriptControl& OnlyControl(const ResourceScript& script) {
  static const ScriptControl kNone;
  const auto it = script.dialogs.find(1);
  if (it == script.dialogs.end() || it->second.controls.size() != 1) {
    ADD_FAILURE() << "expected one dialog with one control";
    return kNone;
  }
  return it->second.controls[0];
}

TEST(ResourceScriptStrings, EscapesQuotesAndJoinedPieces) {
  const ResourceScript script = MustParse(
      "STRINGTABLE\nBEGIN\n"
      "  1, \"a\\\\b \\\"c\\\" d\\te\\r\\nf\"\n"
      "  2, \"say \"\"hi\"\"\"\n"
      "  3, \"one \" \"two \"\n    \"three\"\n"
      "  4 \"no comma\"\n"
      "  5, \"\\x41\\x42C \\101 \\xe9t\\xE9\"\n"
      "  6, L\"wide\"\n"
      "  7, \"\"\n"
      "  8, \"keep \\q unknown\"\n"
      "END\n");
  ASSERT_EQ(script.strings.size(), 8u);
  EXPECT_EQ(script.strings.at(1), "a\\b \"c\" d\te\r\nf");
  EXPECT_EQ(script.strings.at(2), "say \"hi\"");
  EXPECT_EQ(script.strings.at(3), "one two three");
  EXPECT_EQ(script.strings.at(4), "no comma");
  // An escaped byte above 0x7f is that character, kept in UTF-8.
  EXPECT_EQ(script.strings.at(5), "ABC A été");
  EXPECT_EQ(script.strings.at(6), "wide");
  EXPECT_EQ(script.strings.at(7), "");
  EXPECT_EQ(script.strings.at(8), "keep \\q unknown");
}

TEST(ResourceScriptStrings, AccentsAndSkippedLines) {
  const ResourceScript script = MustParse(
      "#pragma code_page(65001)\n"
      "#include <windows.h>\n"
      "#define LONG \\\n  continued \"not a string\n"
      "#if 0\n#endif\n"
      "LANGUAGE LANG_FRENCH, SUBLANG_FRENCH\n"
      "/* a comment\n over lines */ // and one to the end\n"
      "STRINGTABLE DISCARDABLE\n{\n  0x10, \"Sécam // pas un commentaire /* non plus */\"\n}\n"
      "130 ICON DISCARDABLE \"..\\\\icons\\\\a.ico\"\n"
      "1 VERSIONINFO\n FILEVERSION 1,0,0,0\nBEGIN\n BLOCK \"x\"\n BEGIN\n VALUE \"a\", \"b\"\n "
      "END\nEND\n"
      "2 BITMAP \"b.bmp\"\n");
  ASSERT_EQ(script.strings.size(), 1u);
  EXPECT_EQ(script.strings.at(16), "Sécam // pas un commentaire /* non plus */");
  ASSERT_EQ(script.icons.size(), 1u);
  EXPECT_EQ(script.icons.at(130).fileName, "..\\icons\\a.ico");
  EXPECT_EQ(script.icons.at(130).line, 14);
}

TEST(ResourceScriptDialogs, HeaderStatements) {
  const ResourceScript script = MustParse(
      "129 DIALOGEX DISCARDABLE 0, 0, 220, 130, 0\n"
      "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | NOT WS_SYSMENU\n"
      "EXSTYLE WS_EX_TOOLWINDOW\n"
      "CAPTION \"Options \" \"d'import\"\n"
      "FONT 8, \"MS Sans Serif\", 0, 0, 0x1\n"
      "LANGUAGE 12, 1\n"
      "BEGIN\nEND\n");
  const ScriptDialog& d = script.dialogs.at(129);
  EXPECT_TRUE(d.extended);
  EXPECT_EQ(d.w, 220);
  EXPECT_EQ(d.h, 130);
  EXPECT_EQ(d.caption, "Options d'import");
  EXPECT_EQ(d.fontName, "MS Sans Serif");
  EXPECT_EQ(d.fontSize, 8);
  EXPECT_EQ(d.styles, (std::vector<std::string>{"DS_MODALFRAME", "WS_POPUP", "WS_CAPTION"}));
  EXPECT_EQ(d.exStyles, std::vector<std::string>{"WS_EX_TOOLWINDOW"});
  EXPECT_TRUE(d.controls.empty());
}

TEST(ResourceScriptDialogs, KindsOfShortStatements) {
  const ResourceScript script =
      MustParse(Dialog("LTEXT \"&Nom :\", IDC_STATIC, 1, 2, 3, 4\n"
                       "rtext \"r\", -1, 0, 0, 1, 1\n"
                       "CTEXT \"c\", -1, 0, 0, 1, 1\n"
                       "GROUPBOX \"g\", -1, 0, 0, 1, 1\n"
                       "EDITTEXT 10, 0, 0, 1, 1, ES_MULTILINE | ES_PASSWORD\n"
                       "COMBOBOX 11, 0, 0, 1, 1, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP\n"
                       "CHECKBOX \"k\", 12, 0, 0, 1, 1\n"
                       "AUTOCHECKBOX \"k\", 13, 0, 0, 1, 1\n"
                       "RADIOBUTTON \"o\", 14, 0, 0, 1, 1\n"
                       "AUTORADIOBUTTON \"o\", 15, 0, 0, 1, 1\n"
                       "PUSHBUTTON \"p\", 16, 0, 0, 1, 1\n"
                       "DEFPUSHBUTTON \"OK\", IDOK, 0, 0, 1, 1\n"
                       "PUSHBUTTON \"Annuler\", IDCANCEL, -5, -(2), 1 + 1, 3 - 1\n"));
  const std::vector<ScriptControl>& c = script.dialogs.at(1).controls;
  const ControlKind kinds[] = {
      ControlKind::kLabel,       ControlKind::kLabel,    ControlKind::kLabel,
      ControlKind::kGroupBox,    ControlKind::kEdit,     ControlKind::kComboBox,
      ControlKind::kCheckBox,    ControlKind::kCheckBox, ControlKind::kRadioButton,
      ControlKind::kRadioButton, ControlKind::kButton,   ControlKind::kButton,
      ControlKind::kButton};
  ASSERT_EQ(c.size(), std::size(kinds));
  for (size_t i = 0; i < c.size(); ++i) EXPECT_EQ(c[i].kind, kinds[i]) << i;
  EXPECT_EQ(c[0].id, -1);
  EXPECT_EQ(c[0].text, "&Nom :");
  EXPECT_EQ(c[0].x, 1);
  EXPECT_EQ(c[0].h, 4);
  EXPECT_EQ(c[1].statement, "RTEXT");
  EXPECT_TRUE(c[4].HasStyle("ES_MULTILINE"));
  EXPECT_TRUE(c[4].HasStyle("ES_PASSWORD"));
  EXPECT_FALSE(c[5].HasStyle("CBS_SIMPLE"));  // the written type replaces the default one
  EXPECT_TRUE(c[5].HasStyle("CBS_DROPDOWNLIST"));
  EXPECT_EQ(c[11].id, 1);
  EXPECT_EQ(c[12].id, 2);
  EXPECT_EQ(c[12].x, -5);
  EXPECT_EQ(c[12].y, -2);
  EXPECT_EQ(c[12].w, 2);
  EXPECT_EQ(c[12].h, 2);
}

TEST(ResourceScriptDialogs, GenericControlsByClassAndButtonType) {
  const ResourceScript script = MustParse(Dialog(
      "CONTROL \"\", 1, \"SysDateTimePick32\", DTS_TIMEFORMAT | WS_TABSTOP, 0, 0, 1, 1\n"
      "CONTROL \"\", 2, \"SysListView32\", LVS_REPORT | LVS_SINGLESEL | WS_BORDER, 0, 0, 1, 1\n"
      "CONTROL \"r\", 3, \"Button\", BS_AUTORADIOBUTTON | WS_GROUP, 0, 0, 1, 1\n"
      "CONTROL \"k\", 4, \"button\", BS_AUTOCHECKBOX, 0, 0, 1, 1\n"
      "CONTROL \"g\", 5, BUTTON, BS_GROUPBOX, 0, 0, 1, 1\n"
      "CONTROL \"p\", 6, \"Button\", WS_TABSTOP, 0, 0, 1, 1\n"
      "CONTROL \"e\", 7, \"Edit\", ES_AUTOHSCROLL, 0, 0, 1, 1, WS_EX_CLIENTEDGE\n"
      "CONTROL \"s\", 8, \"Static\", SS_LEFT, 0, 0, 1, 1\n"
      "CONTROL \"\", 9, \"ComboBox\", CBS_DROPDOWNLIST, 0, 0, 1, 1\n"
      "CONTROL 130, 10, \"Static\", SS_ICON, 0, 0, 1, 1\n"));
  const std::vector<ScriptControl>& c = script.dialogs.at(1).controls;
  const ControlKind kinds[] = {ControlKind::kTimePicker,  ControlKind::kListView,
                               ControlKind::kRadioButton, ControlKind::kCheckBox,
                               ControlKind::kGroupBox,    ControlKind::kButton,
                               ControlKind::kEdit,        ControlKind::kLabel,
                               ControlKind::kComboBox,    ControlKind::kLabel};
  ASSERT_EQ(c.size(), std::size(kinds));
  for (size_t i = 0; i < c.size(); ++i) EXPECT_EQ(c[i].kind, kinds[i]) << i;
  EXPECT_EQ(c[0].className, "SysDateTimePick32");
  EXPECT_EQ(c[3].className, "Button");
  EXPECT_TRUE(c[2].groupStart);
  EXPECT_FALSE(c[3].groupStart);
  EXPECT_EQ(c[9].text, "");
}

// Without a style the statement's defaults hold; a written style is added to a base that may
// lack WS_GROUP or WS_TABSTOP, as the resource compiler builds it.
TEST(ResourceScriptDialogs, GroupAndTabStopFromStyles) {
  struct Case {
    const char* control;
    bool groupStart;
    bool tabStop;
    bool disabled;
  };
  const Case cases[] = {
      {"LTEXT \"a\", -1, 0, 0, 1, 1", true, false, false},
      {"LTEXT \"a\", -1, 0, 0, 1, 1, SS_NOPREFIX", false, false, false},
      {"LTEXT \"a\", -1, 0, 0, 1, 1, NOT WS_GROUP", false, false, false},
      {"EDITTEXT 1, 0, 0, 1, 1", false, true, false},
      {"EDITTEXT 1, 0, 0, 1, 1, ES_AUTOHSCROLL", false, true, false},
      {"EDITTEXT 1, 0, 0, 1, 1, NOT WS_TABSTOP | WS_DISABLED", false, false, true},
      {"AUTORADIOBUTTON \"a\", 1, 0, 0, 1, 1", false, true, false},
      {"AUTORADIOBUTTON \"a\", 1, 0, 0, 1, 1, WS_GROUP", true, false, false},
      {"AUTOCHECKBOX \"a\", 1, 0, 0, 1, 1, WS_GROUP", true, true, false},
      {"COMBOBOX 1, 0, 0, 1, 1, CBS_DROPDOWNLIST", false, false, false},
      {"PUSHBUTTON \"a\", 1, 0, 0, 1, 1, 0x00020000", true, true, false},
      {"PUSHBUTTON \"a\", 1, 0, 0, 1, 1, NOT 0x00010000", false, false, false},
      {"CONTROL \"a\", 1, \"Button\", BS_AUTOCHECKBOX | (0x08000000 | 0x20000), 0, 0, 1, 1", true,
       false, true},
  };
  for (const Case& c : cases) {
    const ResourceScript script = MustParse(Dialog(c.control));
    const ScriptControl& control = OnlyControl(script);
    EXPECT_EQ(control.groupStart, c.groupStart) << c.control;
    EXPECT_EQ(control.tabStop, c.tabStop) << c.control;
    EXPECT_EQ(control.disabled, c.disabled) << c.control;
  }
}

TEST(ResourceScriptErrors, ReportTheLineOfTheFault) {
  struct Case {
    std::string source;
    int line;
  };
  const Case cases[] = {
      {"STRINGTABLE\nBEGIN\n  1, \"open\nEND\n", 3},                      // unterminated string
      {"\n/* never closed\n\n", 2},                                       // unterminated comment
      {"STRINGTABLE\nBEGIN\n  1, \"a\"\n", 1},                            // missing END
      {"STRINGTABLE\nBEGIN\n 1, \"a\"\n 1, \"b\"\nEND\n", 4},             // duplicate id
      {"STRINGTABLE\nBEGIN\n IDS_NAME, \"a\"\nEND\n", 3},                 // symbolic id
      {"STRINGTABLE\nBEGIN\n 70000, \"a\"\nEND\n", 3},                    // id out of range
      {"STRINGTABLE\nBEGIN\n 0x1FFFFFFFF, \"a\"\nEND\n", 3},              // number too large
      {"STRINGTABLE\nBEGIN\n 1, \"a\\0b\"\nEND\n", 3},                    // NUL escape
      {"STRINGTABLE\nBEGIN\n 1, \"caf\xe9\"\nEND\n", 3},                  // not UTF-8
      {"STRINGTABLE\nBEGIN\n 1, 2\nEND\n", 3},                            // no text
      {"\n\n129 DIALOGEX 0, 0, 10\nBEGIN\nEND\n", 4},                     // short header
      {"1 DIALOG 0, 0, 1, 1\nTITLE \"x\"\nBEGIN\nEND\n", 2},              // unknown statement
      {Dialog("LTEXT \"a\", -1, 0, 0, 1, 1\nLISTBOX 3, 0, 0, 1, 1"), 4},  // unknown control
      {Dialog("\nCONTROL \"\", 3, \"RichEdit20A\", 0, 0, 0, 1, 1"), 4},   // unknown class
      {Dialog("EDITTEXT 3, 0, 0, 1 1"), 3},                               // missing comma
      {Dialog("PUSHBUTTON \"a\", 3, 0, 0, 1, 1, |"), 3},                  // empty style
      {"1 DIALOG 0, 0, 1, 1\nBEGIN\n LTEXT \"a\", -1, 0, 0, 1, 1\n", 1},  // missing END
      {"1 DIALOG 0,0,1,1\nBEGIN\nEND\n\n1 DIALOG 0,0,1,1\nBEGIN\nEND\n", 5},  // duplicate dialog
      {"\n130 ICON \"a.ico\"\n130 ICON \"b.ico\"\n", 3},                      // duplicate icon
      {"130 ICON\n", 2},                                                      // no file name
      {"1 ACCELERATORS\nBEGIN\n", 1},                                         // skipped, unclosed
      {"\n5 WIDGET \"x\"\n", 2},                                              // unknown type
      {"\nSTRINGTABLE\nBEGIN\n 1, ((((((((((((((((((((((((((((((((((1\nEND", 4},
      {"\n\n  @", 3},  // stray character
  };
  for (const Case& c : cases) {
    const ScriptError error = MustFail(c.source);
    EXPECT_EQ(error.line, c.line) << c.source << "\n-> " << error.message;
  }
}

TEST(ResourceScriptStrings, ByteOrderMarkAndWindowsLineEnds) {
  const ResourceScript script = MustParse(
      "\xEF\xBB\xBF#pragma code_page(65001)\r\nSTRINGTABLE\r\nBEGIN\r\n"
      "  1, \"\xC3\xA9t\xC3\xA9\"\r\nEND\r\n");
  EXPECT_EQ(script.strings.at(1), "été");
  // A mark anywhere else is a stray character.
  EXPECT_EQ(MustFail("\n\xEF\xBB\xBF").line, 2);
}

TEST(ResourceScriptErrors, EmptyScriptHoldsNothing) {
  const ResourceScript script = MustParse("// nothing\n#include <windows.h>\n");
  EXPECT_TRUE(script.strings.empty());
  EXPECT_TRUE(script.icons.empty());
  EXPECT_TRUE(script.dialogs.empty());
}

// Every cut and every damaged byte of a good script must give a result or an error, never a
// crash or a hang (the sanitizer build runs this too).
TEST(ResourceScriptErrors, DamagedScriptsNeverCrash) {
  const std::string good =
      "#pragma code_page(65001)\n"
      "130 ICON \"x.ico\"\n"
      "STRINGTABLE\nBEGIN\n 1, \"a\\x41\\101\"\" \" \"b\"\n 2 L\"é\"\nEND\n"
      "129 DIALOGEX 0, 0, 20, 20\nSTYLE WS_POPUP | NOT WS_SYSMENU\nCAPTION \"c\"\n"
      "FONT 8, \"f\"\nBEGIN\n"
      " LTEXT \"l\", IDC_STATIC, 0, 0, 1, 1 /* c */\n"
      " CONTROL \"\", 3, \"SysListView32\", LVS_REPORT | (1 + ~2), 0, 0, 1, 1\n"
      " EDITTEXT 4, 0, -(3), 1, 1, ES_MULTILINE\nEND\n";
  MustParse(good);
  for (size_t cut = 0; cut < good.size(); ++cut) {
    ResourceScript script;
    ScriptError error;
    ParseResourceScript(good.substr(0, cut), script, error);
  }
  const char replacements[] = {'\0', '"', '\\', ',',    '|', '(', '\n', '/',
                               '*',  '#', 'x',  '\xff', '{', '}', '-'};
  for (size_t at = 0; at < good.size(); ++at) {
    for (char r : replacements) {
      std::string damaged = good;
      damaged[at] = r;
      ResourceScript script;
      ScriptError error;
      if (!ParseResourceScript(damaged, script, error)) {
        EXPECT_GT(error.line, 0);
        EXPECT_FALSE(error.message.empty());
      }
    }
  }
}

}  // namespace
}  // namespace orv::platform
