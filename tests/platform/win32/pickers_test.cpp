// The system's file-open dialog and folder browser, as the browse buttons open them. Needs a
// display.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ui.h"
#include "tests/platform/win32/dialog_driver.h"
#include "tests/platform/win32/temp_folder.h"

namespace orv::ui {
namespace {

using orv::testing::DialogDriver;
using orv::testing::DriveDialogs;

constexpr int kFileTypeList = 0x470;  // cmb1 of the common file dialog
constexpr int kFileNameBox = 0x47C;   // cmb13

TEST(PickersTest, FileOpenTakesTheFilterListAndGivesTheChosenPath) {
  orv::testing::TempFolder folder;
  const std::string chosen = folder.Write("mod\xE8le.htm", "<!--title-->");
  std::optional<std::string> path;
  std::string caption, firstType;
  int typeCount = 0;
  DriveDialogs(
      [&] {
        path = AskOpenFile("S\xE9lection du fichier mod\xE8le",
                           "Mod\xE8les Web (*.htm)|*.htm|Tous (*.*)|*.*|");
      },
      [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog();
        ASSERT_NE(dialog, nullptr);
        caption = DialogDriver::Text(dialog);
        typeCount = static_cast<int>(SendDlgItemMessageA(dialog, kFileTypeList, CB_GETCOUNT, 0, 0));
        char first[256] = {};
        SendDlgItemMessageA(dialog, kFileTypeList, CB_GETLBTEXT, 0,
                            reinterpret_cast<LPARAM>(first));
        firstType = first;
        DialogDriver::SetText(dialog, kFileNameBox, chosen);
        DialogDriver::Press(dialog, IDOK);
        EXPECT_TRUE(driver.WaitUntilClosed(dialog));
      });
  EXPECT_EQ(caption, "S\xE9lection du fichier mod\xE8le");
  EXPECT_EQ(typeCount, 2);
  EXPECT_EQ(firstType, "Mod\xE8les Web (*.htm)");
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, chosen);
}

TEST(PickersTest, CancellingEitherPickerGivesNothing) {
  std::optional<std::string> file = std::string("x"), folder = std::string("x");
  DriveDialogs([&] { file = AskOpenFile("Fichier", "Tous|*.*|"); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_FALSE(file);
  DriveDialogs([&] { folder = AskFolder("Veuillez s\xE9lectionner le r\xE9pertoire"); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_FALSE(folder);
}

}  // namespace
}  // namespace orv::ui
