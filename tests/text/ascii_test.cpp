#include "text/ascii.h"

#include <gtest/gtest.h>

namespace orv::text {
namespace {

TEST(Ascii, CasingTouchesAsciiLettersOnly) {
  EXPECT_EQ(ToLowerAscii("ÉTÉ à Noël ABC"), "ÉtÉ à noël abc");
  EXPECT_EQ(ToUpperAscii("été abc \xE9"), "éTé ABC \xE9");
  EXPECT_TRUE(EqualsIgnoringAsciiCase("DefSound", "DEFSOUND"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("É", "é"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("abc", "abcd"));
}

TEST(Ascii, TrimsBlanksAtBothEnds) {
  EXPECT_EQ(TrimAsciiBlanks(" \t x y \r\n"), "x y");
  EXPECT_EQ(TrimAsciiBlanks("  "), "");
  EXPECT_EQ(CollapseAsciiBlanks("\r\n  Un\t\ttitre\r\n   sur deux lignes \n"),
            "Un titre sur deux lignes");
  EXPECT_EQ(CollapseAsciiBlanks(" \n\t "), "");
}

}  // namespace
}  // namespace orv::text
