// The Linux profile store: registry keys and initialisation files as files under the store root.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/posix/atomic_file.h"
#include "platform/profile.h"
#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

namespace fs = std::filesystem;
using orv::testing::ReadFile;

ProfileValue Int(const std::string& name, int32_t integer) {
  ProfileValue value;
  value.name = name;
  value.isInteger = true;
  value.integer = integer;
  return value;
}

ProfileValue Text(const std::string& name, const std::string& text) {
  ProfileValue value;
  value.name = name;
  value.text = text;
  return value;
}

class ProfileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("ORVHOST_CONFIG_DIR", root_.Path().c_str(), 1); }
  void TearDown() override { unsetenv("ORVHOST_CONFIG_DIR"); }

  std::string KeyFile() const {
    return root_ / "registry/software/kelvard/orvella premium/filmcard.reg";
  }

  orv::testing::TempFolder root_;
  ProfileLocation key_ = OptionLocation("Orvella Premium", "Kelvard", "filmcard");
};

TEST_F(ProfileStoreTest, LocationFollowsTheRegistryKeyOrTheIniFile) {
  EXPECT_FALSE(key_.useIniFile);
  EXPECT_EQ(key_.keyPath, "Software\\Kelvard\\Orvella Premium\\filmcard");
  const ProfileLocation ini = OptionLocation("films.ini", nullptr, "pagebuilder");
  EXPECT_TRUE(ini.useIniFile);
  EXPECT_EQ(ini.iniFile, "films.ini");
  EXPECT_EQ(ini.section, "pagebuilder");
}

TEST_F(ProfileStoreTest, MissingStoreGivesNothing) {
  EXPECT_FALSE(ReadProfileInt(key_, "DefSound"));
  EXPECT_FALSE(ReadProfileText(key_, "DefTime"));
  EXPECT_TRUE(ListProfileValues(key_).empty());
  const ProfileLocation ini = OptionLocation("absent.ini", nullptr, "filmcard");
  EXPECT_FALSE(ReadProfileText(ini, "DefTime"));
  // Reading never creates anything.
  EXPECT_TRUE(fs::is_empty(root_.Path()));
}

TEST_F(ProfileStoreTest, TypedValuesRoundTripThroughOneKeyFile) {
  const std::string awkward = "a\\b\nc\rd=e;f";
  ASSERT_TRUE(WriteProfileValues(
      key_, {Int("DefSound", 7), Text("DefTime", "01:30:00"), Int("Negative", -2147483647 - 1),
             Text("Odd", awkward), Text("Empty", "")}));
  EXPECT_EQ(ReadProfileInt(key_, "DefSound"), 7);
  EXPECT_EQ(ReadProfileText(key_, "DefTime"), "01:30:00");
  EXPECT_EQ(ReadProfileInt(key_, "Negative"), -2147483647 - 1);
  EXPECT_EQ(ReadProfileText(key_, "Odd"), awkward);
  EXPECT_EQ(ReadProfileText(key_, "Empty"), "");

  const std::string stored = ReadFile(KeyFile());
  EXPECT_NE(stored.find("\nDefSound=dword:7\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("\nDefTime=sz:01:30:00\n"), std::string::npos) << stored;

  const std::vector<ProfileValue> listed = ListProfileValues(key_);
  ASSERT_EQ(listed.size(), 5u);
  EXPECT_EQ(listed[0].name, "DefSound");
  EXPECT_TRUE(listed[0].isInteger);
  EXPECT_EQ(listed[1].name, "DefTime");
  EXPECT_FALSE(listed[1].isInteger);
}

TEST_F(ProfileStoreTest, LaterWritesKeepOtherValuesAndTheFirstSpellingOfNames) {
  ASSERT_TRUE(WriteProfileValues(key_, {Int("DefSound", 7), Text("Other", "kept")}));
  const ProfileLocation shouting = OptionLocation("ORVELLA premium", "KELVARD", "FilmCard");
  ASSERT_TRUE(WriteProfileValues(shouting, {Int("DEFSOUND", 3), Int("New", 1)}));

  EXPECT_EQ(ReadProfileInt(key_, "defsound"), 3);
  EXPECT_EQ(ReadProfileText(key_, "OTHER"), "kept");
  const std::vector<ProfileValue> listed = ListProfileValues(key_);
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0].name, "DefSound");
  EXPECT_EQ(listed[2].name, "New");
  // Both spellings of the key path are the one file.
  EXPECT_TRUE(fs::exists(KeyFile()));
}

TEST_F(ProfileStoreTest, ReadsAreLenientAcrossKinds) {
  ASSERT_TRUE(WriteProfileValues(
      key_, {Text("Signed", "  -12 apples"), Text("Plus", "+5"), Text("Words", "beaucoup"),
             Text("Huge", "99999999999"), Int("Number", -40)}));
  EXPECT_EQ(ReadProfileInt(key_, "Signed"), -12);
  EXPECT_EQ(ReadProfileInt(key_, "Plus"), 5);
  EXPECT_EQ(ReadProfileInt(key_, "Words"), 0);
  EXPECT_EQ(ReadProfileInt(key_, "Huge"), 2147483647);
  EXPECT_EQ(ReadProfileText(key_, "Number"), "-40");
}

TEST_F(ProfileStoreTest, MalformedLinesAreSkippedAndSurviveRewrites) {
  const char kGarbage[] = "\x01\x02\xff garbage\0zero";
  const std::string garbage(kGarbage, sizeof kGarbage - 1);
  root_.Write("registry/software/kelvard/orvella premium/filmcard.reg",
              "no equals sign\n"
              "Bad=dword:12z\n"
              "Huge=dword:99999999999\n"
              "Kind=float:1.5\n"
              "Trailing=sz:abc\\\n" +
                  garbage +
                  "\n"
                  "; a comment\n"
                  "Good=dword:4294967295\n"
                  "good=sz:shadowed\n");
  EXPECT_EQ(ReadProfileInt(key_, "Good"), -1);
  EXPECT_FALSE(ReadProfileInt(key_, "Bad"));
  EXPECT_FALSE(ReadProfileInt(key_, "Huge"));
  EXPECT_FALSE(ReadProfileText(key_, "Kind"));
  EXPECT_FALSE(ReadProfileText(key_, "Trailing"));
  EXPECT_EQ(ListProfileValues(key_).size(), 1u);

  ASSERT_TRUE(WriteProfileValues(key_, {Int("Bad", 1), Int("Good", 2)}));
  EXPECT_EQ(ReadProfileInt(key_, "Bad"), 1);
  EXPECT_EQ(ReadProfileInt(key_, "Good"), 2);
  const std::string stored = ReadFile(KeyFile());
  EXPECT_NE(stored.find("; a comment\n"), std::string::npos);
  EXPECT_NE(stored.find(garbage), std::string::npos);
  EXPECT_EQ(stored.find("shadowed"), std::string::npos);
}

TEST_F(ProfileStoreTest, LargeStoresAreReadInOnePassWithTheFirstValueWinning) {
  // Near the size cap: a reading that compared every name with every earlier one would take
  // hours here.
  constexpr int kValues = 200000;
  std::string registry, ini = "[other]\nv0=elsewhere\n[Big]\n";
  for (int i = 0; i < kValues; ++i) {
    registry += "v" + std::to_string(i) + "=dword:" + std::to_string(i) + "\n";
    ini += "v" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  }
  registry += "V7=dword:70\n";
  ini += "V7=70\n";
  root_.Write("registry/software/kelvard/orvella premium/filmcard.reg", registry);
  const ProfileLocation big = OptionLocation((root_ / "big.ini").c_str(), nullptr, "big");
  root_.Write("big.ini", ini);

  EXPECT_EQ(ListProfileValues(key_).size(), static_cast<size_t>(kValues));
  EXPECT_EQ(ReadProfileInt(key_, "v7"), 7);
  EXPECT_EQ(ReadProfileInt(key_, "v199999"), 199999);
  EXPECT_EQ(ListProfileValues(big).size(), static_cast<size_t>(kValues));
  EXPECT_EQ(ReadProfileInt(big, "V0"), 0);
  EXPECT_EQ(ReadProfileInt(big, "v7"), 7);
}

TEST_F(ProfileStoreTest, KeyNamesCannotLeaveTheStore) {
  const ProfileLocation sneaky = OptionLocation("..", "../..", "a/b");
  ASSERT_TRUE(WriteProfileValues(sneaky, {Int("X", 1)}));
  EXPECT_EQ(ReadProfileInt(sneaky, "X"), 1);
  EXPECT_TRUE(fs::exists(root_ / "registry/software/%2E.%2F../%2E./a%2Fb.reg"));
}

TEST_F(ProfileStoreTest, WritesReplaceTheFileAtomically) {
  ASSERT_TRUE(WriteProfileValues(key_, {Int("A", 1)}));
  ASSERT_TRUE(WriteProfileValues(key_, {Int("B", 2)}));
  const fs::path folder = fs::path(KeyFile()).parent_path();
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename());
  }
  EXPECT_EQ(names, std::vector<std::string>{"filmcard.reg"});
  // New profile files are private to the user: they may hold proxy passwords.
  struct stat info;
  ASSERT_EQ(stat(KeyFile().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0077, 0u);
}

TEST_F(ProfileStoreTest, RewritesKeepTheBytesOfLinesTheyDoNotChange) {
  // A hand-edited key file: CR CR LF line ends, a text ending in a backslash before them, a last
  // line without its line end.
  const std::string edited =
      "; edited by hand\r\n"
      "Kept=sz:x\r\r\n"
      "a=sz:\\\r\r\n"
      "Changed=dword:1\r\n"
      "Last=sz:end";
  root_.Write("registry/software/kelvard/orvella premium/filmcard.reg", edited);
  EXPECT_EQ(ReadProfileText(key_, "Kept"), "x\r");
  EXPECT_EQ(ReadProfileText(key_, "a"), "\r");
  for (int rewrite = 0; rewrite < 3; ++rewrite) {
    ASSERT_TRUE(WriteProfileValues(key_, {Int("Changed", 2 + rewrite)}));
  }
  EXPECT_EQ(ReadFile(KeyFile()),
            "; edited by hand\r\n"
            "Kept=sz:x\r\r\n"
            "a=sz:\\\r\r\n"
            "Changed=dword:4\r\n"
            "Last=sz:end");
  EXPECT_EQ(ReadProfileText(key_, "Kept"), "x\r");
  EXPECT_EQ(ReadProfileText(key_, "a"), "\r");
  // A value added after a last line without its end starts a line of its own.
  ASSERT_TRUE(WriteProfileValues(key_, {Int("New", 1)}));
  EXPECT_EQ(ReadProfileText(key_, "Last"), "end");
  EXPECT_EQ(ReadProfileInt(key_, "New"), 1);
}

TEST_F(ProfileStoreTest, DeletedValuesGoAndTheRestStays) {
  ASSERT_TRUE(WriteProfileValues(key_, {Int("A", 1), Text("B", "b"), Text("C", "c")}));
  ASSERT_TRUE(DeleteProfileValues(key_, {"a", "C", "Absent"}));
  const std::vector<ProfileValue> listed = ListProfileValues(key_);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].name, "B");
  // Nothing to delete where nothing is stored; nothing is created for it.
  const ProfileLocation other = OptionLocation("Orvella Premium", "Kelvard", "Internet");
  EXPECT_TRUE(DeleteProfileValues(other, {"ProxyUrl"}));
  EXPECT_FALSE(fs::exists(root_ / "registry/software/kelvard/orvella premium/internet.reg"));

  const std::string ini = root_.Write("o.ini", "[x]\nA=1\n[filmcard]\nA=2\nb=3\n");
  ASSERT_TRUE(DeleteProfileValues(OptionLocation("o.ini", nullptr, "filmcard"), {"a"}));
  EXPECT_EQ(ReadFile(ini), "[x]\nA=1\n[filmcard]\nb=3\n");
}

TEST_F(ProfileStoreTest, AWriteRemovesTheTemporaryFilesOfKilledWriters) {
  ASSERT_TRUE(WriteProfileValues(key_, {Int("A", 1)}));
  // Writers killed before their rename, as a kill in the middle of a write leaves them.
  for (int i = 0; i < 5; ++i) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      posix::TempFile temp(KeyFile());
      temp.Write("half a profi");
      _exit(0);  // no destructor runs: the temporary file stays
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
  }
  const fs::path folder = fs::path(KeyFile()).parent_path();
  const auto names = [&] {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
      found.push_back(entry.path().filename());
    std::sort(found.begin(), found.end());
    return found;
  };
  ASSERT_EQ(names().size(), 6u);
  // A writer still at work keeps its file; files that only look alike are not ours to remove.
  posix::TempFile live(KeyFile());
  ASSERT_TRUE(live.IsOpen());
  root_.Write("registry/software/kelvard/orvella premium/filmcard.reg.tmp-note", "mine");
  root_.Write("registry/software/kelvard/orvella premium/other.reg.tmpAbc123", "other key");

  ASSERT_TRUE(WriteProfileValues(key_, {Int("A", 2)}));
  const std::vector<std::string> left = names();
  ASSERT_EQ(left.size(), 4u) << ::testing::PrintToString(left);
  EXPECT_EQ(left[0], "filmcard.reg");
  EXPECT_EQ(left[1], "filmcard.reg.tmp-note");
  EXPECT_EQ(left[2].substr(0, 16), "filmcard.reg.tmp");  // the live one
  EXPECT_EQ(left[3], "other.reg.tmpAbc123");
  EXPECT_EQ(ReadProfileInt(key_, "A"), 2);
  EXPECT_TRUE(live.Write("still writing"));
}

TEST_F(ProfileStoreTest, AStoreThatCannotBeReadIsNotReplaced) {
  // A folder where the key file should be: the write must fail, not clobber it.
  fs::create_directories(KeyFile());
  EXPECT_FALSE(WriteProfileValues(key_, {Int("A", 1)}));
  EXPECT_TRUE(fs::is_directory(KeyFile()));
  EXPECT_FALSE(ReadProfileInt(key_, "A"));
}

TEST_F(ProfileStoreTest, IniFilesKeepTheirOtherSectionsAndReadLikePrivateProfiles) {
  const std::string ini = root_.Write("orvella.ini",
                                      "; settings\r\n"
                                      "[Other]\r\n"
                                      "DefSound=99\r\n"
                                      "\r\n"
                                      "[FILMCARD]\r\n"
                                      "  defsound = 5 \r\n"
                                      "Quoted=\" padded \"\r\n"
                                      "\r\n"
                                      "[Last]\r\n"
                                      "x=1\r\n");
  const ProfileLocation where = OptionLocation("orvella.ini", nullptr, "filmcard");
  EXPECT_EQ(ReadProfileInt(where, "DefSound"), 5);
  EXPECT_EQ(ReadProfileText(where, "quoted"), " padded ");

  ASSERT_TRUE(WriteProfileValues(where, {Int("DefSound", 7), Text("DefTime", "01:30:00"),
                                         Text("Blanks", " x "), Text("Broken", "line1\nline2")}));
  EXPECT_EQ(ReadFile(ini),
            "; settings\r\n"
            "[Other]\r\n"
            "DefSound=99\r\n"
            "\r\n"
            "[FILMCARD]\r\n"
            "defsound=7\r\n"
            "Quoted=\" padded \"\r\n"
            "DefTime=01:30:00\r\n"
            "Blanks=\" x \"\r\n"
            "Broken=line1 line2\r\n"
            "\r\n"
            "[Last]\r\n"
            "x=1\r\n");
  EXPECT_EQ(ReadProfileText(where, "Blanks"), " x ");
  // Ini files hold text: every value lists as text.
  for (const ProfileValue& value : ListProfileValues(where)) EXPECT_FALSE(value.isInteger);
}

TEST_F(ProfileStoreTest, IniSectionsAreAddedAndAbsolutePathsUsedAsGiven) {
  const std::string elsewhere = root_ / "sub/dir/own.ini";
  const ProfileLocation where = OptionLocation(elsewhere.c_str(), nullptr, "pagebuilder");
  ASSERT_TRUE(WriteProfileValues(where, {Int("MediaType", 4)}));
  EXPECT_EQ(ReadFile(elsewhere), "[pagebuilder]\nMediaType=4\n");
  ASSERT_TRUE(WriteProfileValues(OptionLocation(elsewhere.c_str(), nullptr, "filmcard"),
                                 {Int("AllFiles", 0)}));
  EXPECT_EQ(ReadFile(elsewhere), "[pagebuilder]\nMediaType=4\n\n[filmcard]\nAllFiles=0\n");
  // A key an ini line cannot hold is refused rather than written half.
  EXPECT_FALSE(WriteProfileValues(where, {Int("A=B", 1)}));
  EXPECT_FALSE(WriteProfileValues(OptionLocation("", nullptr, "x"), {Int("A", 1)}));
}

TEST_F(ProfileStoreTest, RootFallsBackToTheXdgFolders) {
  unsetenv("ORVHOST_CONFIG_DIR");
  const std::string xdg = root_ / "xdg";
  setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
  ASSERT_TRUE(WriteProfileValues(key_, {Int("A", 1)}));
  EXPECT_TRUE(fs::exists(xdg + "/orvhost/registry/software/kelvard/orvella premium/filmcard.reg"));
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace orv::platform
