#include "text/codepage.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace orv::text {
namespace {

TEST(Codepage, Windows1252ToUtf8CoversTheHighBlock) {
  EXPECT_EQ(Windows1252ToUtf8("caf\xE9"), "café");
  EXPECT_EQ(Windows1252ToUtf8("\x80 \x9C \x85"), "€ œ …");
  // Bytes windows-1252 leaves undefined keep their C1 control, as Windows does.
  EXPECT_EQ(Windows1252ToUtf8("\x81"), "\xC2\x81");
  EXPECT_EQ(Latin1ToUtf8("\x80\xE9"), "\xC2\x80\xC3\xA9");
}

TEST(Codepage, Utf8ToWindows1252RoundTripsAndReplacesTheRest) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
  EXPECT_EQ(Utf8ToWindows1252("日本 ½"), "?? \xBD");
  // Bytes that are not UTF-8 are taken as windows-1252 already.
  EXPECT_EQ(Utf8ToWindows1252("caf\xE9"), "caf\xE9");
}

TEST(Codepage, Utf16LeHandlesSurrogatesAndOddBytes) {
  const std::string le("A\0\xE9\0=\xD8\x00\xDE", 8);  // A é U+1F600
  EXPECT_EQ(Utf16LeToUtf8(le), "Aé\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16LeToUtf8(std::string("A\0B", 3)), "A");
  EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xD8", 2)), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(Codepage, ValidatesUtf8Strictly) {
  EXPECT_TRUE(IsValidUtf8("Sécam ½"));
  EXPECT_FALSE(IsValidUtf8("caf\xE9"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(Codepage, UserCodePageConversions) {
  if (platform::UserCodePageIsUtf8()) {
    EXPECT_EQ(Windows1252OrUtf8ToUser("caf\xE9"), "café");
    EXPECT_EQ(Windows1252OrUtf8ToUser("café"), "café");
    EXPECT_EQ(CodePointToUser(0x20AC), "€");
    EXPECT_EQ(UserToUtf8("caf\xE9"), "café");
  } else {
    EXPECT_EQ(Windows1252OrUtf8ToUser("caf\xE9"), "caf\xE9");
    EXPECT_EQ(Windows1252OrUtf8ToUser("café"), "caf\xE9");
    EXPECT_EQ(CodePointToUser(0x20AC), "\x80");
    EXPECT_EQ(CodePointToUser(0x65E5), "?");
    EXPECT_EQ(UserToUtf8("caf\xE9"), "café");
  }
}

}  // namespace
}  // namespace orv::text
