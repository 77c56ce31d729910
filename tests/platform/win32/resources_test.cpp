// String, icon and dialog resources of the module this code is linked into (here the test
// program, built with win32_test.rc).
#include "platform/resources.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ui.h"
#include "platform/win32/dialog_template.h"

namespace orv::platform {
namespace {

using ui::ControlKind;

TEST(ResourceStringsTest, AccentsComeBackAsWindows1252Bytes) {
  const char* expected =
      "Vid\xE9o S\xE9"
      "cam, St\xE9r\xE9o, Plein \xE9"
      "cran, Disk3\xBD, 5 \x80";
  char buffer[256] = {};
  ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 20, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, expected);
  EXPECT_EQ(LoadResourceString(20), expected);
  EXPECT_TRUE(HasResourceString(20));
}

TEST(ResourceStringsTest, LongStringsAreWholeAndMissingOnesEmpty) {
  const std::string text = LoadResourceString(21);
  EXPECT_EQ(text.size(), 624u);
  EXPECT_EQ(text.substr(0, 11), "Une tr\xE8s lo");
  EXPECT_EQ(text.substr(text.size() - 3), "789");
  EXPECT_EQ(LoadResourceString(22), "");
  EXPECT_FALSE(HasResourceString(22));
  EXPECT_EQ(LoadResourceString(-1), "");
  EXPECT_EQ(LoadResourceString(70000), "");
}

TEST(ResourceIconsTest, IconGroup130IsFoundAndOthersAreNot) {
  EXPECT_NE(LoadResourceIcon(130), nullptr);
  EXPECT_EQ(LoadResourceIcon(131), nullptr);
}

TEST(DialogModelTest, TemplateGivesEveryControlInOrderWithoutAWindow) {
  const ui::DialogModel model = ui::LoadDialogModel(200);
  EXPECT_EQ(model.id, 200);
  EXPECT_EQ(model.caption, "Essai de fen\xEAtre");
  ASSERT_EQ(model.controls.size(), 14u);
  const struct {
    int id;
    ControlKind kind;
    const char* text;
    bool groupStart;
  } expected[] = {
      {-1, ControlKind::kGroupBox, "R\xE9glages", false},
      {1001, ControlKind::kCheckBox, "&Cocher", true},
      {1002, ControlKind::kRadioButton, "Premier", true},
      {1003, ControlKind::kRadioButton, "Deuxi\xE8me", false},
      {1004, ControlKind::kRadioButton, "Troisi\xE8me", false},
      {1005, ControlKind::kComboBox, "", true},
      {-1, ControlKind::kLabel, "\xC9&tiquette :", true},  // LTEXT is WS_GROUP by default
      {1006, ControlKind::kEdit, "", false},
      {1010, ControlKind::kEdit, "", false},
      {1007, ControlKind::kTimePicker, "", false},
      {1008, ControlKind::kListView, "", false},
      {1009, ControlKind::kButton, "&Appliquer", false},
      {IDOK, ControlKind::kButton, "OK", true},
      {IDCANCEL, ControlKind::kButton, "Annuler", false},
  };
  for (size_t i = 0; i < model.controls.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(model.controls[i].id, expected[i].id);
    EXPECT_EQ(model.controls[i].kind, expected[i].kind);
    EXPECT_EQ(model.controls[i].text, expected[i].text);
    EXPECT_EQ(model.controls[i].groupStart, expected[i].groupStart);
  }
  EXPECT_FALSE(model.Find(1010)->enabled);
  EXPECT_TRUE(model.Find(1006)->enabled);
}

TEST(DialogModelTest, AnUnknownDialogIsEmpty) {
  EXPECT_EQ(ui::LoadDialogModel(201).id, 0);
  EXPECT_TRUE(ui::LoadDialogModel(201).controls.empty());
  EXPECT_EQ(ui::LoadDialogModel(-5).id, 0);
}

std::string TemplateBytes(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
  if (!found) return std::string();
  const void* bytes = LockResource(LoadResource(module, found));
  return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

TEST(DialogTemplateTest, CutOrPatchedTemplatesNeverReadOutOfBounds) {
  const std::string good = TemplateBytes(200);
  ASSERT_GT(good.size(), 100u);
  const auto parse = [](const std::string& bytes) {
    return win32::ParseDialogTemplate(reinterpret_cast<const unsigned char*>(bytes.data()),
                                      bytes.size());
  };
  ASSERT_TRUE(parse(good));
  // Every shorter prefix is refused (the last item may lose only padding, hence the margin).
  for (size_t size = 0; size + 4 < good.size(); ++size) {
    EXPECT_FALSE(parse(good.substr(0, size))) << size;
  }
  // A control count far beyond the data is refused rather than trusted.
  std::string patched = good;
  patched[16] = '\xFF';
  patched[17] = '\x7F';
  EXPECT_FALSE(parse(patched));
  EXPECT_FALSE(win32::ParseDialogTemplate(nullptr, 10));
}

TEST(DialogTemplateTest, ReadsTheOlderTemplateLayoutToo) {
  // DLGTEMPLATE: style, extended style, one item, geometry, no menu, no class, title "T";
  // then one DWORD-aligned item: a check box (class ordinal 0x80) with id 7 and title "Ok".
  const unsigned char bytes[] = {
      0x00, 0x00, 0xC8, 0x80, 0,   0, 0,   0, 1, 0, 0, 0, 0,  0, 50, 0, 20, 0,  // header
      0,    0,    0,    0,    'T', 0, 0,   0, 0, 0,  // menu, class, title
      0x03, 0x00, 0x01, 0x50, 0,   0, 0,   0, 1, 0, 1, 0, 40, 0, 10, 0, 7,  0,  // item
      0xFF, 0xFF, 0x80, 0x00, 'O', 0, 'k', 0, 0, 0, 0, 0};
  const std::optional<ui::DialogModel> model = win32::ParseDialogTemplate(bytes, sizeof bytes);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->caption, "T");
  ASSERT_EQ(model->controls.size(), 1u);
  EXPECT_EQ(model->controls[0].id, 7);
  EXPECT_EQ(model->controls[0].kind, ControlKind::kCheckBox);
  EXPECT_EQ(model->controls[0].text, "Ok");
}

}  // namespace
}  // namespace orv::platform
