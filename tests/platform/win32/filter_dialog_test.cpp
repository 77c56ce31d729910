// The built filter DLLs as the host drives them: Configure with the dialog shown, the options
// set in the real dialog, and what lands in the registry. Needs a display.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "contract/abi.h"
#include "platform/library.h"
#include "platform/process.h"
#include "tests/platform/win32/dialog_driver.h"
#include "tests/platform/win32/temp_folder.h"

namespace orv {
namespace {

using orv::testing::DialogDriver;
using orv::testing::DriveDialogs;

constexpr const char* kOptionsRoot = "Software\\Kelvard\\Orvella Premium\\";

// A filter DLL beside this test program, loaded as the host loads it.
class FilterDll {
 public:
  explicit FilterDll(const std::string& name) {
    std::string error;
    const std::string path = platform::ProgramFolder() + "\\" + platform::LibraryFileName(name);
    if (!library_.Load(path, error)) {
      ADD_FAILURE() << error;
      return;
    }
    auto entry = reinterpret_cast<GetFunctionInfoFn>(library_.Symbol(ORV_ENTRY_NAME));
    if (!entry || entry(&table_) != 1) ADD_FAILURE() << path << " has no operation table";
  }
  const FilterFunctions& table() const { return table_; }

 private:
  platform::Library library_;
  FilterFunctions table_{};
};

class FilterDialogTest : public ::testing::Test {
 protected:
  void Clean(const std::string& section) {
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kOptionsRoot) + section).c_str());
  }

  // The value as the registry holds it: a DWORD, or a string.
  std::optional<DWORD> Dword(const std::string& section, const char* name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, (kOptionsRoot + section).c_str(), name, RRF_RT_ANY, &type,
                     &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
      return std::nullopt;
    }
    return value;
  }
  std::optional<std::string> String(const std::string& section, const char* name) {
    char text[1024] = {};
    DWORD size = sizeof text, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, (kOptionsRoot + section).c_str(), name, RRF_RT_ANY, &type,
                     text, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
      return std::nullopt;
    }
    return std::string(text);
  }
  bool SectionExists(const std::string& section) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (kOptionsRoot + section).c_str(), 0, KEY_READ, &key)) {
      return false;
    }
    RegCloseKey(key);
    return true;
  }
};

TEST_F(FilterDialogTest, FilmcardOkWritesEveryOptionWithItsRegistryKind) {
  Clean("filmcard");
  FilterDll filmcard("filmcard");
  int32_t result = -1;
  DriveDialogs([&] { result = filmcard.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::SelectComboItem(dialog, 1001, 5);  // DVCam
                 DialogDriver::SelectComboItem(dialog, 1002, 3);  // AC3
                 DialogDriver::SelectComboItem(dialog, 1003, 2);  // Ntsc
                 DialogDriver::SelectComboItem(dialog, 1004, 0);
                 DialogDriver::SetText(dialog, 1005, "12.50");
                 DialogDriver::SetTime(dialog, 1006, 2, 15, 30);
                 DialogDriver::ClickRadio(dialog, 1007);  // only the chosen card
                 DialogDriver::ClickRadio(dialog, 1011);  // "Français (Anglais)"
                 DialogDriver::SetCheck(dialog, 1013, true);
                 DialogDriver::SetCheck(dialog, 1015, false);
                 DialogDriver::Press(dialog, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Dword("filmcard", "DefSupport"), 5u);
  EXPECT_EQ(Dword("filmcard", "DefSound"), 3u);
  EXPECT_EQ(Dword("filmcard", "DefFormat"), 2u);
  EXPECT_EQ(Dword("filmcard", "DefScreen"), 0u);
  EXPECT_EQ(Dword("filmcard", "AllFiles"), 0u);
  EXPECT_EQ(Dword("filmcard", "SetTitle"), 2u);
  EXPECT_EQ(Dword("filmcard", "UseCountry"), 1u);
  EXPECT_EQ(Dword("filmcard", "CopyJpeg"), 0u);
  EXPECT_EQ(Dword("filmcard", "SetLower"), 0u);
  EXPECT_EQ(Dword("filmcard", "GetComment"), 0u);
  EXPECT_EQ(String("filmcard", "DefValue"), "12.50");
  EXPECT_EQ(String("filmcard", "DefTime"), "02:15:30");

  // The next dialog starts from what was stored.
  std::string shownValue;
  int shownSupport = -1;
  DriveDialogs([&] { result = filmcard.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 shownValue = DialogDriver::ControlText(dialog, 1005);
                 shownSupport =
                     static_cast<int>(SendDlgItemMessageA(dialog, 1001, CB_GETCURSEL, 0, 0));
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(shownValue, "12.50");
  EXPECT_EQ(shownSupport, 5);
  Clean("filmcard");
}

TEST_F(FilterDialogTest, CancelWritesNothing) {
  Clean("filmcard");
  FilterDll filmcard("filmcard");
  int32_t result = -1;
  DriveDialogs([&] { result = filmcard.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::SetText(dialog, 1005, "99");
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(SectionExists("filmcard"));
}

TEST_F(FilterDialogTest, PagebuilderRefusesAMissingTemplateWithMessage54) {
  Clean("pagebuilder");
  orv::testing::TempFolder folder;
  const std::string templatePath = folder.Write("mod\xE8le.htm", "<!--repeat--><!--eor-->");
  FilterDll pagebuilder("pagebuilder");
  int32_t result = -1;
  std::string message;
  bool stayedOpen = false;
  DriveDialogs([&] { result = pagebuilder.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::SetText(dialog, 1020, folder / "absent.htm");
                 DialogDriver::ClickRadio(dialog, 1005);  // collectibles
                 DialogDriver::Press(dialog, IDOK);
                 HWND box = driver.WaitForDialog(dialog);
                 ASSERT_NE(box, nullptr);
                 message = DialogDriver::ControlText(box, 0xFFFF);  // the message box's text
                 DialogDriver::Press(box, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(box));
                 Sleep(300);
                 stayedOpen = IsWindowVisible(dialog) != FALSE;
                 DialogDriver::SetText(dialog, 1020, templatePath);
                 DialogDriver::Press(dialog, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(message,
            "Le fichier mod\xE8le sp\xE9"
            "cifi\xE9 doit exister et \xEAtre pr\xE9"
            "cis\xE9 "
            "avec son emplacement complet.");
  EXPECT_EQ(Dword("pagebuilder", "MediaType"), 4u);
  EXPECT_EQ(String("pagebuilder", "Template"), templatePath);
  EXPECT_EQ(String("pagebuilder", "IconDir"), "");
  EXPECT_EQ(Dword("pagebuilder", "UseFileName"), 1u);

  FilterInfo info{};
  ASSERT_EQ(pagebuilder.table().GetInfo(&info), 1);
  EXPECT_EQ(info.category, 5);
  EXPECT_NE(info.icon, nullptr);
  Clean("pagebuilder");
}

TEST_F(FilterDialogTest, DiscfetchOkWritesTheOptionsOfBothDialogs) {
  Clean("discfetch");
  FilterDll discfetch("discfetch");
  int32_t result = -1;
  std::string shownPort;
  DriveDialogs([&] { result = discfetch.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::SetText(dialog, 1001, "80");
                 DialogDriver::SelectComboItem(dialog, 1010, 9);  // MP3
                 DialogDriver::ClickRadio(dialog, 1006);          // one item per title
                 DialogDriver::SetCheck(dialog, 1013, true);      // always the first match
                 DialogDriver::Press(dialog, 3);
                 HWND settings = driver.WaitForDialog(dialog);
                 ASSERT_NE(settings, nullptr);
                 shownPort = DialogDriver::ControlText(settings, 1002);
                 DialogDriver::SetText(settings, 3004, "cddb.example");
                 DialogDriver::SetText(settings, 1002, "8880");
                 DialogDriver::SetText(settings, 1013, "0");
                 DialogDriver::SetText(settings, 1015, "jean.dupont@mail.example.fr");
                 DialogDriver::SelectComboItem(settings, 1016, 1);  // cache first
                 DialogDriver::Press(settings, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(settings));
                 DialogDriver::Press(dialog, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(shownPort, "80");
  EXPECT_EQ(Dword("discfetch", "MaxCD"), 80u);
  EXPECT_EQ(Dword("discfetch", "DefMedium"), 9u);
  EXPECT_EQ(Dword("discfetch", "CreateTitles"), 1u);
  EXPECT_EQ(Dword("discfetch", "AvgTrack"), 5u);
  EXPECT_EQ(String("discfetch", "DefType"), "Inconnu");
  EXPECT_EQ(String("discfetch", "cddbsite"), "cddb.example");
  EXPECT_EQ(Dword("discfetch", "cddbport"), 8880u);
  EXPECT_EQ(Dword("discfetch", "NbAttempt"), 1u) << "0 attempts become 1";
  EXPECT_EQ(String("discfetch", "CddbEmail"), "jean.dupont@mail.example.fr");
  EXPECT_EQ(Dword("discfetch", "CddbCache"), 1u);
  EXPECT_EQ(Dword("discfetch", "FirstMatch"), 1u);
  Clean("discfetch");
}

TEST_F(FilterDialogTest, DiscfetchCancelWritesNothingEvenAfterTheSettingsDialog) {
  Clean("discfetch");
  FilterDll discfetch("discfetch");
  int32_t result = -1;
  DriveDialogs([&] { result = discfetch.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::Press(dialog, 3);
                 HWND settings = driver.WaitForDialog(dialog);
                 ASSERT_NE(settings, nullptr);
                 DialogDriver::SetText(settings, 1013, "9");
                 DialogDriver::Press(settings, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(settings));
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(SectionExists("discfetch"));
}

TEST_F(FilterDialogTest, DiscfetchOpenWithoutACdDriveShowsMessage50) {
  FilterDll discfetch("discfetch");
  ASSERT_EQ(discfetch.table().Configure("Orvella Premium", "Kelvard", 0), 1);
  int32_t result = -1;
  std::string message;
  DriveDialogs([&] { result = discfetch.table().Open("", nullptr, nullptr); },
               [&](DialogDriver& driver) {
                 HWND box = driver.WaitForDialog();
                 ASSERT_NE(box, nullptr);
                 message = DialogDriver::ControlText(box, 0xFFFF);
                 DialogDriver::Press(box, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(box));
               });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(message,
            "Impossible de trouver un lecteur de c\xE9"
            "d\xE9rom / cdaudio. L'op\xE9ration va \xEAtre annul\xE9"
            "e.");
  Clean("discfetch");
}

TEST_F(FilterDialogTest, FilescanOkWritesTheEightOptionsAndCancelNone) {
  Clean("filescan");
  FilterDll filescan("filescan");
  int32_t result = -1;
  bool categoriesDisabled = false, filterDisabled = false, categoriesEnabled = false;
  DriveDialogs([&] { result = filescan.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::SetText(dialog, 2002, "ignored");
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(SectionExists("filescan"));

  DriveDialogs([&] { result = filescan.table().Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 categoriesDisabled = !IsWindowEnabled(GetDlgItem(dialog, 1003)) &&
                                      !IsWindowEnabled(GetDlgItem(dialog, 1007));
                 filterDisabled = !IsWindowEnabled(GetDlgItem(dialog, 2002));
                 DialogDriver::ClickRadio(dialog, 1014);  // forced category
                 Sleep(100);
                 categoriesEnabled = IsWindowEnabled(GetDlgItem(dialog, 1003)) != FALSE;
                 DialogDriver::ClickRadio(dialog, 1003);  // books
                 DialogDriver::ClickRadio(dialog, 2001);  // filtered files
                 DialogDriver::SetText(dialog, 2002, ".avi;.mov");
                 DialogDriver::SetCheck(dialog, 1006, false);
                 DialogDriver::SetCheck(dialog, 2004, false);
                 DialogDriver::SetText(dialog, 1041, "D:\\Photos");
                 DialogDriver::Press(dialog, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(categoriesDisabled);
  EXPECT_TRUE(filterDisabled);
  EXPECT_TRUE(categoriesEnabled);
  EXPECT_EQ(Dword("filescan", "ForceType"), 1u);
  EXPECT_EQ(Dword("filescan", "DefaultType"), 3u);
  EXPECT_EQ(Dword("filescan", "FileMode"), 2u);
  EXPECT_EQ(Dword("filescan", "DoSubFolder"), 0u);
  EXPECT_EQ(Dword("filescan", "DoCreateTree"), 1u);
  EXPECT_EQ(Dword("filescan", "SelectDir"), 0u);
  EXPECT_EQ(String("filescan", "Filter"), ".avi;.mov");
  EXPECT_EQ(String("filescan", "Folder"), "D:\\Photos");

  FilterInfo info{};
  ASSERT_EQ(filescan.table().GetInfo(&info), 1);
  EXPECT_EQ(info.category, 4);
  EXPECT_EQ(info.sourceKind, 2);
  Clean("filescan");
}

}  // namespace
}  // namespace orv
