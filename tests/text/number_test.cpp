#include "text/number.h"

#include <gtest/gtest.h>

namespace orv::text {
namespace {

TEST(IntegerValue, ReadsTheLeadingDecimalLikeAtoi) {
  EXPECT_EQ(IntegerValue("1994"), 1994);
  EXPECT_EQ(IntegerValue("  \t-12abc"), -12);
  EXPECT_EQ(IntegerValue("+7"), 7);
  EXPECT_EQ(IntegerValue("12.50"), 12);
  EXPECT_EQ(IntegerValue("vers 1960"), 0);
  EXPECT_EQ(IntegerValue(""), 0);
  EXPECT_EQ(IntegerValue("-"), 0);
  EXPECT_FALSE(LeadingInteger("abc").has_value());
  // Overflow clamps instead of wrapping.
  EXPECT_EQ(IntegerValue("99999999999999999999999"), 2147483647);
  EXPECT_EQ(IntegerValue("-99999999999999999999999"), -2147483647 - 1);
}

TEST(LeadingHex32, ReadsOneToEightDigitsAfterBlanks) {
  EXPECT_EQ(LeadingHex32(" 0501A302,x"), 0x0501a302u);
  EXPECT_EQ(LeadingHex32("ffffffff"), 0xffffffffu);
  EXPECT_FALSE(LeadingHex32("123456789")) << "wider than 32 bits";
  EXPECT_FALSE(LeadingHex32("zz"));
  EXPECT_FALSE(LeadingHex32(""));
}

}  // namespace
}  // namespace orv::text
