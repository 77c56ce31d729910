// The site file beside the library, and the cover picture's storing.
#include "websearch/site_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/profile.h"
#include "tests/platform/temp_folder.h"
#include "text/codepage.h"
#include "websearch/picture_store.h"

namespace orv::websearch {
namespace {

TEST(SiteFile, BesideTheLibraryWithTheIniExtension) {
  EXPECT_EQ(SiteFilePath("/opt/orv/filmsearch.so"), "/opt/orv/filmsearch.ini");
  EXPECT_EQ(SiteFilePath("C:\\Orvella\\Plugins\\filmsearch.dll"),
            "C:\\Orvella\\Plugins\\filmsearch.ini");
  // A dot in a folder's name is no extension of the library's.
  EXPECT_EQ(SiteFilePath("/home/a.b/filmsearch"), "/home/a.b/filmsearch.ini");
}

TEST(SiteFile, ValuesCutAndListsEndAtTheFirstGap) {
  orv::testing::TempFolder folder;
  const std::string longValue(1200, 'x');
  const std::string path =
      folder.Write("sites.ini",
                   "; comment\r\n[INDEX]\r\n0=FILMS\r\n1=Autre\r\n3=Perdu\r\n[films]\r\n"
                   "WebRoot = http://films.test/ \r\nLong=" +
                       longValue +
                       "\r\nAccent=caf\xE9\r\nUtf8=caf\xC3\xA9\r\nItemType=1\r\n"
                       "[LISTE]\r\n0=a\r\n1=?\r\n2=c\r\n");
  const SiteFile file(path);
  EXPECT_TRUE(file.Exists());
  EXPECT_EQ(file.Value("FILMS", "webroot"), "http://films.test/");
  EXPECT_EQ(file.Value("FILMS", "Long").size(), 999u);
  EXPECT_EQ(file.Value("FILMS", "Accent"), text::Utf8ToUser("café"));
  EXPECT_EQ(file.Value("FILMS", "Utf8"), text::Utf8ToUser("café"));
  EXPECT_EQ(file.Value("FILMS", "Absent", "?"), "?");
  EXPECT_EQ(file.IntValue("FILMS", "ItemType", 0), 1);
  EXPECT_EQ(file.IntValue("FILMS", "Absent", 7), 7);
  EXPECT_EQ(file.NumberedValues("INDEX"), (std::vector<std::string>{"FILMS", "Autre"}));
  EXPECT_EQ(file.NumberedValues("LISTE", "?"), (std::vector<std::string>{"a"}));
  EXPECT_FALSE(SiteFile(folder / "absent.ini").Exists());
  EXPECT_EQ(SiteFile(folder / "absent.ini").Value("FILMS", "WebRoot", "?"), "?");
}

// Each section is read once and kept: whatever case it is asked in, the values are those the
// profile store reads, the first of a repeated key winning.
TEST(SiteFile, ASectionReadOnceAnswersInAnyCase) {
  orv::testing::TempFolder folder;
  const SiteFile file(folder.Write(
      "sites.ini", "[Films]\nWebRoot=premier\nwebroot=second\n[films]\nSearchURL=plus loin\n"));
  EXPECT_EQ(file.Value("films", "WEBROOT"), "premier");
  EXPECT_EQ(file.Value("FILMS", "WebRoot"), "premier");
  platform::ProfileLocation where;
  where.useIniFile = true;
  where.iniFile = file.Path();
  where.section = "FiLmS";
  EXPECT_EQ(file.Value("Films", "SearchURL", "?"),
            platform::ReadProfileText(where, "SearchURL").value_or("?"));
}

TEST(PictureStore, FileNameFromTheTitleAndTheAddress) {
  EXPECT_EQ(PictureFileName("Alien: le 8e passager", "http://x.test/c/a.JPG", "Sans titre"),
            "Alien  le 8e passager.JPG");
  EXPECT_EQ(PictureFileName("A/B\\C?\"D*<>|", "http://x.test/c/a.jpeg?w=200", "Sans titre"),
            "A B C  D    .jpeg");
  EXPECT_EQ(PictureFileName("", "http://x.test/cover", "Sans titre"), "Sans titre.jpg");
}

TEST(PictureStore, OptionsAndFailedDownloads) {
  orv::testing::TempFolder folder;
  int downloads = 0;
  const PictureDownload works = [&](const std::string& address, const std::string& target) {
    ++downloads;
    return platform::WriteNewFile(target, "jpeg of " + address);
  };
  const PictureDownload fails = [&](const std::string&, const std::string&) {
    ++downloads;
    return false;
  };
  const std::string address = "http://x.test/c/1.jpg";
  const std::string pictures = folder.Path().string();
  EXPECT_EQ(StorePicture(address, "Alien", 0, pictures, "Sans titre", works), address);
  EXPECT_EQ(StorePicture(address, "Alien", 2, pictures, "Sans titre", works), address);
  EXPECT_EQ(downloads, 0);
  EXPECT_EQ(StorePicture(address, "Alien", 1, pictures, "Sans titre", works), "Alien.jpg");
  EXPECT_EQ(orv::testing::ReadFile(folder / "Alien.jpg"), "jpeg of " + address);
  // Not a JPEG: the address stays, nothing is fetched.
  EXPECT_EQ(StorePicture("http://x.test/c/1.png", "Alien", 1, pictures, "Sans titre", works),
            "http://x.test/c/1.png");
  EXPECT_EQ(downloads, 1);
  // A failed download keeps the address rather than naming a file that is not there.
  EXPECT_EQ(StorePicture(address, "Aliens", 1, pictures, "Sans titre", fails), address);
  EXPECT_FALSE(platform::PathExists(folder / "Aliens.jpg"));
  EXPECT_EQ(StorePicture(address, "Alien", 1, "", "Sans titre", works), address);
}

TEST(PictureStore, ATakenNameGetsANumberAndTheFileThereStays) {
  orv::testing::TempFolder folder;
  const PictureDownload download = [](const std::string& address, const std::string& target) {
    return platform::WriteNewFile(target, "jpeg of " + address);
  };
  const std::string pictures = folder.Path().string();
  folder.Write("Alien.jpg", "the user's own");
  EXPECT_EQ(StorePicture("http://x.test/1.jpg", "Alien", 1, pictures, "Sans titre", download),
            "Alien (2).jpg");
  EXPECT_EQ(StorePicture("http://x.test/2.jpg", "Alien", 1, pictures, "Sans titre", download),
            "Alien (3).jpg");
  EXPECT_EQ(orv::testing::ReadFile(folder / "Alien.jpg"), "the user's own");
  EXPECT_EQ(orv::testing::ReadFile(folder / "Alien (2).jpg"), "jpeg of http://x.test/1.jpg");
  EXPECT_EQ(NumberedFileName("Le 5e élément.JPG", 12), "Le 5e élément (12).JPG");
  // The write itself never replaces a file, even one that appears after the name was chosen.
  EXPECT_FALSE(platform::WriteNewFile(folder / "Alien.jpg", "other"));
  EXPECT_EQ(orv::testing::ReadFile(folder / "Alien.jpg"), "the user's own");
}

}  // namespace
}  // namespace orv::websearch
