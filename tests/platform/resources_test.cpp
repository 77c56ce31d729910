// Lookups through the table generated from platform_test.rc.
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/posix/resource_table.h"
#include "platform/ui.h"

namespace orv {
namespace {

using platform::HasResourceString;
using platform::LoadResourceIcon;
using platform::LoadResourceString;
using ui::ControlKind;

TEST(ResourceStrings, KeepAccentsEscapesAndJoinedPieces) {
  EXPECT_EQ(LoadResourceString(4), "Filtre d'essai éprouvé");
  EXPECT_EQ(LoadResourceString(100), "Dit \"bonjour\" \\ à\tvous\r\nFin");
  EXPECT_EQ(LoadResourceString(101), "Deux morceaux réunis");
  EXPECT_EQ(LoadResourceString(256), "Pal|Sécam|Ntsc|DivX|XviD|Mpeg");
  EXPECT_TRUE(HasResourceString(5));
}

TEST(ResourceStrings, AbsentIdsGiveEmptyText) {
  for (int id : {0, 3, 99, 257, -1, 65536}) {
    EXPECT_FALSE(HasResourceString(id)) << id;
    EXPECT_EQ(LoadResourceString(id), "") << id;
  }
}

TEST(ResourceIcons, PresentIconHasStableHandleAndTheFileBytes) {
  void* handle = LoadResourceIcon(130);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(LoadResourceIcon(130), handle);
  EXPECT_EQ(LoadResourceIcon(129), nullptr);
  EXPECT_EQ(LoadResourceIcon(0), nullptr);

  const char* source = std::getenv("ORV_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  std::ifstream in(std::string(source) + "/resources/filmcard.ico", std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(file.empty());
  const platform::ResourceIcon* icon = platform::FindResourceIcon(130);
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(icon->size, file.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(icon->data), icon->size), file);
}

TEST(DialogModel, TemplateGivesEveryControlInScriptOrder) {
  const ui::DialogModel model = ui::LoadDialogModel(200);
  EXPECT_EQ(model.id, 200);
  EXPECT_EQ(model.caption, "Essai des contrôles");
  struct Expected {
    int id;
    ControlKind kind;
    const char* text;
    bool groupStart;
  };
  const Expected expected[] = {
      {-1, ControlKind::kLabel, "&Nom :", true},
      {201, ControlKind::kEdit, "", false},
      {-1, ControlKind::kGroupBox, "Choix", false},
      {202, ControlKind::kCheckBox, "Activer l'&option", false},
      {203, ControlKind::kRadioButton, "Premier", true},
      {204, ControlKind::kRadioButton, "Deuxième", false},
      {205, ControlKind::kRadioButton, "Troisième", false},
      {206, ControlKind::kComboBox, "", true},
      {207, ControlKind::kButton, "&Parcourir", false},
      {208, ControlKind::kTimePicker, "", false},
      {209, ControlKind::kListView, "", false},
      {ui::kIdOk, ControlKind::kButton, "OK", false},
      {ui::kIdCancel, ControlKind::kButton, "Annuler", false},
  };
  ASSERT_EQ(model.controls.size(), std::size(expected));
  for (size_t i = 0; i < model.controls.size(); ++i) {
    const ui::Control& c = model.controls[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(c.id, expected[i].id);
    EXPECT_EQ(c.kind, expected[i].kind);
    EXPECT_EQ(c.text, expected[i].text);
    EXPECT_EQ(c.groupStart, expected[i].groupStart);
    EXPECT_TRUE(c.enabled);
    EXPECT_EQ(c.checked, 0);
    EXPECT_TRUE(c.items.empty());
    EXPECT_EQ(c.selection, -1);
    EXPECT_TRUE(c.columns.empty());
    EXPECT_TRUE(c.rows.empty());
  }
}

TEST(DialogModel, UnknownDialogIsEmpty) {
  const ui::DialogModel model = ui::LoadDialogModel(129);
  EXPECT_EQ(model.id, 0);
  EXPECT_TRUE(model.caption.empty());
  EXPECT_TRUE(model.controls.empty());
}

TEST(DialogTemplate, KeepsFontGeometryAndStyleNames) {
  const platform::ResourceDialog* dialog = platform::FindResourceDialog(200);
  ASSERT_NE(dialog, nullptr);
  EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
  EXPECT_EQ(dialog->fontSize, 8);
  EXPECT_EQ(dialog->w, 260);
  EXPECT_EQ(dialog->h, 200);
  const platform::ResourceControl* edit = platform::FindResourceControl(*dialog, 201);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(platform::HasStyle(edit->styles, "ES_AUTOHSCROLL"));
  EXPECT_TRUE(edit->tabStop);
  EXPECT_FALSE(platform::HasStyle(edit->styles, "ES_AUTO"));
  EXPECT_FALSE(platform::HasStyle(edit->styles, "ES_MULTILINE"));
  const platform::ResourceControl* list = platform::FindResourceControl(*dialog, 209);
  ASSERT_NE(list, nullptr);
  EXPECT_STREQ(list->className, "SysListView32");
  EXPECT_EQ(list->x, 7);
  EXPECT_EQ(list->y, 110);
  EXPECT_EQ(list->w, 246);
  EXPECT_EQ(list->h, 60);
  EXPECT_TRUE(platform::HasStyle(list->styles, "LVS_SINGLESEL"));
  EXPECT_EQ(platform::FindResourceControl(*dialog, 999), nullptr);
}

}  // namespace
}  // namespace orv
