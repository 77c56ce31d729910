// The web client, filmsearch.dll and auctionsearch.dll under Wine, against the fake film and
// auction sites that scripts/test-windows.sh runs as Linux programs ($ORV_FAKE_FILM_SITE and
// $ORV_FAKE_AUCTION_SITE are their roots). The items must be those the Linux build makes of the
// same pages (tests/filmsearch, tests/auctionsearch). Needs a display.
#include <gtest/gtest.h>
// windows.h must come before the other Windows headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "contract/abi.h"
#include "platform/library.h"
#include "platform/page_fetch.h"
#include "platform/process.h"
#include "tests/auctionsearch/auction_pages.h"
#include "tests/filmsearch/film_pages.h"
#include "tests/platform/win32/dialog_driver.h"
#include "tests/platform/win32/temp_folder.h"
#include "text/codepage.h"

namespace orv {
namespace {

using orv::testing::DialogDriver;
using orv::testing::DriveDialogs;

constexpr const char* kOptions = "Software\\Kelvard\\Orvella Premium\\filmsearch";
constexpr const char* kAuctionOptions = "Software\\Kelvard\\Orvella Premium\\auctionsearch";

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}
std::string SiteRoot() { return Variable("ORV_FAKE_FILM_SITE"); }
std::string AuctionRoot() { return Variable("ORV_FAKE_AUCTION_SITE"); }

class WebSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SiteRoot().empty() || AuctionRoot().empty()) {
      GTEST_SKIP() << "no fake sites ($ORV_FAKE_FILM_SITE, $ORV_FAKE_AUCTION_SITE)";
    }
    platform::SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "2000");
    RegDeleteTreeA(HKEY_CURRENT_USER, kOptions);
    RegDeleteTreeA(HKEY_CURRENT_USER, kAuctionOptions);
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kOptions);
    RegDeleteTreeA(HKEY_CURRENT_USER, kAuctionOptions);
  }

  // The filter's DLL copied beside a site file that points at the fake site, then loaded.
  bool LoadFilter(const std::string& name = "filmsearch",
                  const std::string& siteFile = orv::testing::FilmSiteFile(SiteRoot())) {
    const std::string dll = folder_ / (name + ".dll");
    const std::string built = platform::ProgramFolder() + "\\" + name + ".dll";
    if (!CopyFileA(built.c_str(), dll.c_str(), FALSE)) return false;
    folder_.Write(name + ".ini", siteFile);
    std::string error;
    if (!library_.Load(dll, error)) return false;
    auto entry = reinterpret_cast<GetFunctionInfoFn>(library_.Symbol(ORV_ENTRY_NAME));
    return entry && entry(&table_) == 1;
  }
  std::optional<DWORD> Dword(const char* name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kOptions, name, RRF_RT_ANY, &type, &value, &size) ||
        type != REG_DWORD) {
      return std::nullopt;
    }
    return value;
  }
  std::optional<std::string> String(const char* name) {
    char text[1024] = {};
    DWORD size = sizeof text, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kOptions, name, RRF_RT_ANY, &type, text, &size) ||
        type != REG_SZ) {
      return std::nullopt;
    }
    return std::string(text);
  }

  // Open with every category's pictures in one folder, then ProcessItem until -1 while
  // `script` answers the dialogs.
  struct Produced {
    int32_t result, kind;
    std::string title, type, lang, custom1, comment, image;
    float price;
  };
  std::vector<Produced> RunDriven(const std::function<void(DialogDriver&)>& script) {
    const std::string pictures = folder_ / "pictures";
    CreateDirectoryA(pictures.c_str(), nullptr);
    HostString dirs[6] = {};
    for (int c = 1; c <= 5; ++c) dirs[c] = hs_make(pictures.data(), pictures.size());
    HostString lists[3] = {};
    HostDocument document{};
    document.pictureDirs = dirs;
    document.codeLists = lists;
    ItemList items{};
    std::vector<Produced> produced;
    if (table_.Open("", &document, &items) == 1) {
      DriveDialogs(
          [&] {
            for (int call = 0; call < 20; ++call) {
              MediaItem item{};
              int32_t kind = -1;
              const int32_t result = table_.ProcessItem(&item, &kind);
              produced.push_back({result, kind, StringOf(item.title), StringOf(item.type),
                                  StringOf(item.lang), StringOf(item.custom1),
                                  StringOf(item.comment), StringOf(item.image), item.price});
              for (HostString* field :
                   {&item.title, &item.type, &item.editor, &item.author, &item.coauthor, &item.lang,
                    &item.custom1, &item.comment, &item.image}) {
                hs_release(*field);
              }
              if (result == -1) break;
            }
          },
          script);
      EXPECT_EQ(table_.Close(), 1);
    } else {
      ADD_FAILURE() << "Open failed";
    }
    for (HostString dir : dirs) hs_release(dir);
    return produced;
  }
  static std::vector<int32_t> Kinds(const std::vector<Produced>& produced) {
    std::vector<int32_t> kinds;
    for (const Produced& p : produced) kinds.push_back(p.result == 1 ? p.kind : p.result);
    return kinds;
  }
  // Presses Yes in the next message box.
  static void Confirm(DialogDriver& driver) {
    HWND box = driver.WaitForDialog();
    ASSERT_NE(box, nullptr);
    DialogDriver::Press(box, IDYES);
    ASSERT_TRUE(driver.WaitUntilClosed(box));
  }

  orv::testing::TempFolder folder_;
  platform::Library library_;
  FilterFunctions table_{};
};

TEST_F(WebSearchTest, ErrorPagesAreFailedFetchesAndTheProxyIsUsed) {
  platform::WebClient client;
  platform::WebPage page;
  EXPECT_EQ(client.FetchPage(SiteRoot() + "/absent", page, "Test"), 0);
  EXPECT_EQ(page.status, 404);
  // Only http and https: a local file, an FTP address or a redirect to a local file read nothing.
  for (const std::string& address :
       {std::string("file:///C:/windows/win.ini"), std::string("FTP://127.0.0.1/x"),
        SiteRoot() + "/detour-fichier"}) {
    EXPECT_EQ(client.FetchPage(address, page, "Test"), 0) << address;
    EXPECT_EQ(page.bytes.find("[fonts]"), std::string::npos) << address;
  }
  ASSERT_EQ(client.FetchPage(SiteRoot() + "/covers/Bleu.JPG", page, "Test"), 1);
  EXPECT_EQ(page.bytes, "\xFF\xD8 cover \xFF\xD9");
  EXPECT_EQ(page.contentType, "image/jpeg");
  // Where a long redirect led is read whole, checked, and fetched.
  ASSERT_EQ(client.FetchPage(SiteRoot() + "/detour-long", page, "Test"), 1) << client.StatusText();
  EXPECT_EQ(page.bytes, "\xFF\xD8 cover \xFF\xD9");
  // A byte now and then within the idle time: the bound on the whole page ends it.
  EXPECT_EQ(client.FetchPage(SiteRoot() + "/goutte", page, "Test"), 0);
  EXPECT_EQ(client.StatusText(), platform::TooSlowText(platform::CurrentWebTimeouts().wholeMs));
  EXPECT_TRUE(page.bytes.empty());

  // The fake site answers as a proxy too: a site that does not exist is reached through it.
  platform::WebClient proxied;
  const std::string port = SiteRoot().substr(SiteRoot().rfind(':') + 1);
  proxied.SetProxy("127.0.0.1", static_cast<uint16_t>(std::atoi(port.c_str())), true);
  ASSERT_EQ(proxied.FetchPage("http://films.invalid/film/2.html", page, "Test"), 1)
      << proxied.StatusText();
  EXPECT_NE(page.bytes.find("<h1>Film 2</h1>"), std::string::npos);
}

TEST_F(WebSearchTest, ASearchGivesTheItemsOfTheLinuxBuild) {
  ASSERT_TRUE(LoadFilter());
  RegSetKeyValueA(HKEY_CURRENT_USER, kOptions, "SelFilter", REG_SZ, "CINE", 5);
  ASSERT_EQ(table_.Configure("Orvella Premium", "Kelvard", 0), 1);
  std::string confirmation;
  const std::vector<Produced> produced = RunDriven([&](DialogDriver& driver) {
    HWND keywords = driver.WaitForDialog();
    ASSERT_NE(keywords, nullptr);
    EXPECT_EQ(DialogDriver::Text(keywords), text::Utf8ToUser("Ciné test"));
    EXPECT_EQ(DialogDriver::ControlText(keywords, 1007), "Titre du film :");
    DialogDriver::SetText(keywords, 1001, "bleu");
    DialogDriver::Press(keywords, IDOK);
    ASSERT_TRUE(driver.WaitUntilClosed(keywords));
    HWND hits = driver.WaitForDialog();
    ASSERT_NE(hits, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(hits, 1001, LVM_GETITEMCOUNT, 0, 0), 15);
    DialogDriver::SelectListRows(hits, 1001, {0, 2});
    DialogDriver::Press(hits, IDOK);
    ASSERT_TRUE(driver.WaitUntilClosed(hits));
    Confirm(driver);
    Confirm(driver);
    keywords = driver.WaitForDialog();
    ASSERT_NE(keywords, nullptr);
    DialogDriver::SetText(keywords, 1001, "grand");
    DialogDriver::Press(keywords, IDOK);
    ASSERT_TRUE(driver.WaitUntilClosed(keywords));
    HWND box = driver.WaitForDialog();
    ASSERT_NE(box, nullptr);
    confirmation = DialogDriver::ControlText(box, 0xFFFF);
    DialogDriver::Press(box, IDYES);
    ASSERT_TRUE(driver.WaitUntilClosed(box));
    keywords = driver.WaitForDialog();
    ASSERT_NE(keywords, nullptr);
    DialogDriver::Press(keywords, IDCANCEL);
  });
  EXPECT_EQ(Kinds(produced), (std::vector<int32_t>{257, 128, 257, 128, 257, 128, -1}));
  ASSERT_EQ(produced.size(), 7u);
  EXPECT_EQ(produced[0].title, "Film 1");
  EXPECT_EQ(produced[0].image, "Film 1.JPG");
  EXPECT_EQ(produced[1].type, SiteRoot() + "/film/1.html");
  EXPECT_EQ(produced[2].title, "Film 3");
  EXPECT_EQ(produced[4].title, "Le grand bleu");
  EXPECT_EQ(produced[4].comment, text::Utf8ToUser("Un plongeur… L’amitié & la mer profonde."));
  EXPECT_FLOAT_EQ(produced[4].price, 1234.5f);
  EXPECT_EQ(produced[4].image, "Le grand bleu.JPG");
  EXPECT_EQ(produced[5].type, SiteRoot() + "/cherche?titre=grand");
  EXPECT_EQ(orv::testing::ReadFile(folder_ / "pictures\\Le grand bleu.JPG"),
            "\xFF\xD8 cover \xFF\xD9");
  EXPECT_NE(confirmation.find("Titre: Le grand bleu"), std::string::npos) << confirmation;
}

TEST_F(WebSearchTest, AccentedKeywordsGoInTheCharsetTheSiteFileNames) {
  ASSERT_TRUE(LoadFilter());
  const DWORD off = 0;
  RegSetKeyValueA(HKEY_CURRENT_USER, kOptions, "ValidateResult", REG_DWORD, &off, sizeof off);
  RegSetKeyValueA(HKEY_CURRENT_USER, kOptions, "ImportLink", REG_DWORD, &off, sizeof off);
  // Without SearchCharset the keywords keep the user's code page: windows-1252 in this build.
  const struct {
    const char* site;
    const char* title;
  } cases[] = {{"CINE", "Amelie en windows-1252"},
               {"CINE-UTF8", "Amelie en UTF-8"},
               {"CINE-1252", "Amelie en windows-1252"}};
  for (const auto& c : cases) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kOptions, "SelFilter", REG_SZ, c.site,
                    static_cast<DWORD>(strlen(c.site) + 1));
    ASSERT_EQ(table_.Configure("Orvella Premium", "Kelvard", 0), 1);
    const std::vector<Produced> produced = RunDriven([&](DialogDriver& driver) {
      HWND keywords = driver.WaitForDialog();
      ASSERT_NE(keywords, nullptr);
      DialogDriver::SetText(keywords, 1001, text::Utf8ToUser("amélie"));
      DialogDriver::Press(keywords, IDOK);
      ASSERT_TRUE(driver.WaitUntilClosed(keywords));
      keywords = driver.WaitForDialog();
      ASSERT_NE(keywords, nullptr);
      DialogDriver::Press(keywords, IDCANCEL);
    });
    EXPECT_EQ(Kinds(produced), (std::vector<int32_t>{1, -1})) << c.site;
    ASSERT_FALSE(produced.empty());
    EXPECT_EQ(produced[0].title, c.title) << c.site;
  }
}

TEST_F(WebSearchTest, AnAuctionSearchGivesTheItemsOfTheLinuxBuild) {
  ASSERT_TRUE(LoadFilter("auctionsearch", orv::testing::AuctionParameterFile()));
  const std::string host = AuctionRoot().substr(7);  // "127.0.0.1:PORT"
  RegSetKeyValueA(HKEY_CURRENT_USER, kAuctionOptions, "WebRoot", REG_SZ, host.c_str(),
                  static_cast<DWORD>(host.size() + 1));
  const DWORD keepAddress = 0;
  RegSetKeyValueA(HKEY_CURRENT_USER, kAuctionOptions, "CopyImage", REG_DWORD, &keepAddress,
                  sizeof keepAddress);
  ASSERT_EQ(table_.Configure("Orvella Premium", "Kelvard", 0), 1);
  const std::vector<Produced> produced = RunDriven([&](DialogDriver& driver) {
    HWND keywords = driver.WaitForDialog();
    ASSERT_NE(keywords, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(keywords, 1010, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageA(keywords, 1010, CB_GETCURSEL, 0, 0), CB_ERR);
    DialogDriver::SetText(keywords, 1001, "timbre");
    DialogDriver::Press(keywords, IDOK);
    ASSERT_TRUE(driver.WaitUntilClosed(keywords));
    HWND hits = driver.WaitForDialog();
    ASSERT_NE(hits, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(hits, 1001, LVM_GETITEMCOUNT, 0, 0), 5);
    DialogDriver::SelectListRows(hits, 1001, {0, 1});
    DialogDriver::Press(hits, IDOK);
    ASSERT_TRUE(driver.WaitUntilClosed(hits));
    Confirm(driver);
    Confirm(driver);
    keywords = driver.WaitForDialog();
    ASSERT_NE(keywords, nullptr);
    DialogDriver::SetText(keywords, 1001, "123456");
    DialogDriver::ClickRadio(keywords, 1006);
    DialogDriver::Press(keywords, IDOK);
    ASSERT_TRUE(driver.WaitUntilClosed(keywords));
    Confirm(driver);
    keywords = driver.WaitForDialog();
    ASSERT_NE(keywords, nullptr);
    DialogDriver::Press(keywords, IDCANCEL);
  });
  EXPECT_EQ(Kinds(produced), (std::vector<int32_t>{261, 128, 261, 128, 261, 128, -1}));
  ASSERT_EQ(produced.size(), 7u);
  EXPECT_EQ(produced[0].title, "Objet 1");
  EXPECT_FLOAT_EQ(produced[0].price, 1.5f);
  EXPECT_EQ(produced[1].type, AuctionRoot() + "/objet?no=1");
  EXPECT_EQ(produced[2].title, "Objet 2");
  EXPECT_FLOAT_EQ(produced[2].price, 1234.5f);
  EXPECT_EQ(produced[2].lang, "Lyon, France");
  EXPECT_EQ(produced[2].custom1, "110023");
  EXPECT_EQ(produced[2].comment, text::Utf8ToUser("Très bel exemplaire dentelure intacte."));
  EXPECT_EQ(produced[2].image, "http://images.test/Timbre.JPG");
  EXPECT_EQ(produced[4].title, "Marianne de gandon");
  EXPECT_FLOAT_EQ(produced[4].price, 12.5f);
  EXPECT_EQ(produced[5].type, AuctionRoot() + "/objet?no=123456&vue=complete");
}

TEST_F(WebSearchTest, OptionsDialogWritesTheRegistryOnOkAndNothingOnCancel) {
  ASSERT_TRUE(LoadFilter());
  int32_t result = -1;
  DriveDialogs([&] { result = table_.Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::SelectComboItem(dialog, 1010, 1);
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(String("SelFilter"));

  bool okAtFirst = true, okAfterChoice = false;
  DriveDialogs([&] { result = table_.Configure("Orvella Premium", "Kelvard", 1); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 okAtFirst = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
                 EXPECT_EQ(SendDlgItemMessageA(dialog, 1004, LVM_GETITEMCOUNT, 0, 0), 2);
                 DialogDriver::SelectListRows(dialog, 1004, {0});
                 Sleep(200);
                 okAfterChoice = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
                 DialogDriver::SelectComboItem(dialog, 1010, 1);
                 DialogDriver::ClickRadio(dialog, 1014);
                 DialogDriver::SetText(dialog, 1001, "30");
                 DialogDriver::Press(dialog, IDOK);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, 1);
  EXPECT_FALSE(okAtFirst);
  EXPECT_TRUE(okAfterChoice);
  EXPECT_EQ(String("SelFilter"), "CINE");
  EXPECT_EQ(Dword("DefVideo"), 1u);
  EXPECT_EQ(Dword("CopyImage"), 2u);
  EXPECT_EQ(Dword("DefValue"), 30u);
  EXPECT_EQ(String("DefTime"), "01:00:00");
  EXPECT_EQ(Dword("DebugMode"), 0u);
}

}  // namespace
}  // namespace orv
