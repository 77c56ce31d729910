// Options in the registry and in initialisation files, checked against what the Windows API
// itself reads back.
#include "platform/profile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/profile_store.h"
#include "tests/platform/win32/temp_folder.h"

namespace orv::platform {
namespace {

// A key of our own per process, removed before and after each test.
class RegistryProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = "Software\\OrvWin32Test" + std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
    where_ = OptionLocation("Orvella Premium", root_.substr(9).c_str(), "filmcard");
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str()); }

  // What the registry itself holds: the value's type and bytes.
  bool Raw(const char* name, DWORD& type, std::string& data) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, where_.keyPath.c_str(), 0, KEY_READ, &key)) return false;
    char buffer[512];
    DWORD size = sizeof buffer;
    const LONG status =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    data.assign(buffer, status == ERROR_SUCCESS ? size : 0);
    return status == ERROR_SUCCESS;
  }

  std::string root_;
  ProfileLocation where_;
};

ProfileValue Int(const char* name, int32_t value) {
  ProfileValue v;
  v.name = name;
  v.isInteger = true;
  v.integer = value;
  return v;
}

ProfileValue Text(const char* name, const std::string& text) {
  ProfileValue v;
  v.name = name;
  v.text = text;
  return v;
}

TEST_F(RegistryProfileTest, IntegersAreDwordsAndTextsAreStrings) {
  EXPECT_EQ(where_.keyPath, root_ + "\\Orvella Premium\\filmcard");
  ASSERT_TRUE(WriteProfileValues(where_, {Int("DefSound", 7), Int("Minus", -5),
                                          Text("DefValue", "12,50 \x80"), Text("Empty", "")}));
  DWORD type = 0;
  std::string data;
  ASSERT_TRUE(Raw("DefSound", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(data, std::string("\x07\0\0\0", 4));
  ASSERT_TRUE(Raw("DefValue", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(data, std::string("12,50 \x80\0", 8));

  EXPECT_EQ(ReadProfileInt(where_, "defsound"), 7);
  EXPECT_EQ(ReadProfileInt(where_, "MINUS"), -5);
  EXPECT_EQ(ReadProfileText(where_, "DefValue"), "12,50 \x80");
  EXPECT_EQ(ReadProfileText(where_, "Empty"), "");
  EXPECT_EQ(ReadProfileInt(where_, "Missing"), std::nullopt);
  EXPECT_EQ(ReadProfileText(where_, "Missing"), std::nullopt);

  const std::vector<ProfileValue> listed = ListProfileValues(where_);
  ASSERT_EQ(listed.size(), 4u);
  EXPECT_TRUE(listed[0].isInteger);
  EXPECT_FALSE(listed[2].isInteger);
}

TEST_F(RegistryProfileTest, ReadsAreLenientAcrossKinds) {
  ASSERT_TRUE(WriteProfileValues(
      where_, {Int("Number", 42), Text("Digits", " -17 ans"), Text("Words", "douze")}));
  EXPECT_EQ(ReadProfileText(where_, "Number"), "42");
  EXPECT_EQ(ReadProfileInt(where_, "Digits"), -17);
  EXPECT_EQ(ReadProfileInt(where_, "Words"), 0);
  // Rewriting a value with the other kind replaces it.
  ASSERT_TRUE(WriteProfileValues(where_, {Text("Number", "43")}));
  EXPECT_EQ(ReadProfileInt(where_, "Number"), 43);
}

TEST_F(RegistryProfileTest, ValuesOfOtherKindsAndMissingKeysReadAsNothing) {
  EXPECT_EQ(ReadProfileInt(where_, "DefSound"), std::nullopt);
  EXPECT_TRUE(ListProfileValues(where_).empty());
  ASSERT_TRUE(WriteProfileValues(where_, {Int("Kept", 1)}));
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, where_.keyPath.c_str(), 0, KEY_SET_VALUE, &key), 0);
  const BYTE bytes[3] = {1, 2, 3};
  RegSetValueExA(key, "Binary", 0, REG_BINARY, bytes, sizeof bytes);
  RegCloseKey(key);
  EXPECT_EQ(ReadProfileInt(where_, "Binary"), std::nullopt);
  EXPECT_EQ(ListProfileValues(where_).size(), 1u);
}

TEST_F(RegistryProfileTest, AnEmptyKeyPathNeverWritesIntoTheUsersRoot) {
  ProfileLocation nowhere;
  EXPECT_FALSE(WriteProfileValues(nowhere, {Int("OrvStray", 1)}));
  HKEY root;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &root), 0);
  EXPECT_NE(RegQueryValueExA(root, "OrvStray", nullptr, nullptr, nullptr, nullptr), 0);
  RegCloseKey(root);
  EXPECT_EQ(ReadProfileInt(nowhere, "OrvStray"), std::nullopt);
}

TEST_F(RegistryProfileTest, DeletedValuesGoAndTheRestStays) {
  // Nothing to delete under a key that does not exist, and no key is made for it.
  EXPECT_TRUE(DeleteProfileValues(where_, {"ProxyUrl"}));
  HKEY key;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, where_.keyPath.c_str(), 0, KEY_READ, &key), 0);

  ASSERT_TRUE(
      WriteProfileValues(where_, {Text("ProxyUrl", "h"), Int("ProxyPort", 80), Text("Kept", "k")}));
  ASSERT_TRUE(DeleteProfileValues(where_, {"proxyurl", "ProxyPort", "Absent"}));
  const std::vector<ProfileValue> left = ListProfileValues(where_);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].name, "Kept");
}

TEST(IniProfileTest, DeletedKeysGoFromTheirSectionOnly) {
  orv::testing::TempFolder folder;
  const std::string file = folder / "d.ini";
  const ProfileLocation cards = OptionLocation(file.c_str(), nullptr, "filmcard");
  const ProfileLocation pages = OptionLocation(file.c_str(), nullptr, "pagebuilder");
  ASSERT_TRUE(WriteProfileValues(cards, {Int("A", 1), Int("B", 2)}));
  ASSERT_TRUE(WriteProfileValues(pages, {Int("A", 3)}));
  ASSERT_TRUE(DeleteProfileValues(cards, {"a", "Absent"}));
  EXPECT_EQ(ReadProfileInt(cards, "A"), std::nullopt);
  EXPECT_EQ(ReadProfileInt(cards, "B"), 2);
  EXPECT_EQ(ReadProfileInt(pages, "A"), 3);
}

TEST(IniProfileTest, SectionsOfOneFileKeepTheirValues) {
  orv::testing::TempFolder folder;
  const std::string file = folder / "orvella.ini";
  const ProfileLocation cards = OptionLocation(file.c_str(), nullptr, "filmcard");
  const ProfileLocation pages = OptionLocation(file.c_str(), nullptr, "pagebuilder");
  ASSERT_TRUE(cards.useIniFile);
  EXPECT_EQ(cards.iniFile, file);

  ASSERT_TRUE(WriteProfileValues(
      cards, {Int("DefSound", 7), Text("DefTime", "01:30:00"), Text("Empty", "")}));
  ASSERT_TRUE(WriteProfileValues(pages, {Int("DefSound", 2)}));
  EXPECT_EQ(ReadProfileInt(cards, "DEFSOUND"), 7);
  EXPECT_EQ(ReadProfileInt(pages, "DefSound"), 2);
  EXPECT_EQ(ReadProfileText(cards, "DefTime"), "01:30:00");
  // Present but empty is not missing: the option does not fall back to its default.
  EXPECT_EQ(ReadProfileText(cards, "Empty"), "");
  EXPECT_EQ(ReadProfileText(cards, "Missing"), std::nullopt);

  char raw[64] = {};
  GetPrivateProfileStringA("filmcard", "DefSound", "", raw, sizeof raw, file.c_str());
  EXPECT_STREQ(raw, "7");
  EXPECT_EQ(ListProfileValues(cards).size(), 3u);
}

TEST(IniProfileTest, ALineBreakCannotSmuggleAnotherEntryIn) {
  orv::testing::TempFolder folder;
  const ProfileLocation where = OptionLocation((folder / "a.ini").c_str(), nullptr, "s");
  EXPECT_FALSE(WriteProfileValues(where, {Text("Template", "x\r\nCopyIcon=0"), Int("Kept", 3)}));
  EXPECT_EQ(ReadProfileText(where, "Template"), std::nullopt);
  EXPECT_EQ(ReadProfileText(where, "CopyIcon"), std::nullopt);
  EXPECT_EQ(ReadProfileInt(where, "Kept"), 3);
}

TEST(IniProfileTest, LongTextsComeBackWhole) {
  orv::testing::TempFolder folder;
  const ProfileLocation where = OptionLocation((folder / "long.ini").c_str(), nullptr, "s");
  const std::string text(5000, 'x');
  ASSERT_TRUE(WriteProfileValues(where, {Text("Long", text)}));
  EXPECT_EQ(ReadProfileText(where, "Long"), text);
}

}  // namespace
}  // namespace orv::platform
