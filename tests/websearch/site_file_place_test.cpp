// Which site file a web search filter reads, and the copy its edit button makes in the user's
// folder, so that an installed library the user cannot write can still be given a site.
#include "websearch/site_file_place.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/process.h"
#include "platform/user_folder.h"
#include "tests/platform/temp_folder.h"

namespace orv::websearch {
namespace {

class SiteFilePlace : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
    std::filesystem::create_directories(folder_.Path() / "lib");
  }
  void TearDown() override { platform::SetEnvironmentValue("XDG_CONFIG_HOME", ""); }

  std::string Read(const std::string& path) {
    std::string bytes;
    return platform::ReadWholeFile(path, bytes, 1 << 20) ? bytes : "<none>";
  }

  orv::testing::TempFolder folder_;
  const std::string library_ = folder_ / "lib/filmsearch.so";
  const std::string beside_ = folder_ / "lib/filmsearch.ini";
  const std::string own_ = folder_ / "config/filmsearch.ini";
};

TEST_F(SiteFilePlace, TheUsersFileWinsOverTheOneBesideTheLibrary) {
  EXPECT_EQ(SiteFileFor(library_), beside_);  // neither: the Part's place, named in messages
  folder_.Write("lib/filmsearch.ini", "[INDEX]\n0=BESIDE\n");
  EXPECT_EQ(SiteFileFor(library_), beside_);
  std::filesystem::create_directories(folder_.Path() / "config");
  folder_.Write("config/filmsearch.ini", "[INDEX]\n0=OWN\n");
  EXPECT_EQ(SiteFileFor(library_), own_);

  // Without ORVHOST_CONFIG_DIR the XDG folder is the user's.
  platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", "");
  platform::SetEnvironmentValue("XDG_CONFIG_HOME", folder_ / "xdg");
  EXPECT_EQ(SiteFileFor(library_), beside_);
  std::filesystem::create_directories(folder_.Path() / "xdg/orvhost");
  folder_.Write("xdg/orvhost/filmsearch.ini", "[INDEX]\n0=XDG\n");
  EXPECT_EQ(SiteFileFor(library_), folder_ / "xdg/orvhost/filmsearch.ini");
}

TEST_F(SiteFilePlace, EditingCopiesTheFileReadIntoTheUsersFolderOnce) {
  folder_.Write("lib/filmsearch.ini", "[INDEX]\n0=BESIDE\n");
  ASSERT_EQ(SiteFileToEdit(SiteFileFor(library_)), own_);  // the folder is made too
  EXPECT_EQ(Read(own_), "[INDEX]\n0=BESIDE\n");
  EXPECT_EQ(SiteFileFor(library_), own_);

  // The user's edits are never replaced by a new copy.
  folder_.Write("config/filmsearch.ini", "[INDEX]\n0=EDITED\n");
  EXPECT_EQ(SiteFileToEdit(SiteFileFor(library_)), own_);
  EXPECT_EQ(SiteFileToEdit(beside_), own_);
  EXPECT_EQ(Read(own_), "[INDEX]\n0=EDITED\n");
}

TEST_F(SiteFilePlace, WithNeitherFileNothingIsMadeAndTheFileReadIsNamed) {
  EXPECT_EQ(SiteFileToEdit(beside_), beside_);
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "config"));
  EXPECT_FALSE(std::filesystem::exists(own_));
}

}  // namespace
}  // namespace orv::websearch
