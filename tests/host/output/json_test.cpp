#include "host/output/json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orv::host {
namespace {

TEST(JsonTest, StringsEscapeQuotesBackslashesAndControls) {
  EXPECT_EQ(JsonString("a\"b\\c\r\n\t\x01\x1f é"), R"j("a\"b\\c\r\n\t\u0001\u001f é")j");
  // DEL and the C1 controls too: the same characters to a JSON reader, none to a terminal.
  EXPECT_EQ(JsonString("\x7f\xc2\x80\xc2\x9b\xc2\x9f\xc2\xa0\xc2"),
            "\"\\u007f\\u0080\\u009b\\u009f\xc2\xa0\xc2\"");
}

TEST(JsonTest, FloatsReadBackExactlyInTheirShortestForm) {
  EXPECT_EQ(JsonFloat(12.5f), "12.5");
  EXPECT_EQ(JsonFloat(0.0f), "0");
  EXPECT_EQ(JsonFloat(-3.0f), "-3");
  for (float value : {19.99f, 0.1f, 1e-7f, 3.4e38f, 123456.79f}) {
    EXPECT_EQ(std::strtof(JsonFloat(value).c_str(), nullptr), value) << JsonFloat(value);
  }
  EXPECT_EQ(JsonFloat(19.99f), "19.99");
  // JSON has no infinity or NaN.
  EXPECT_EQ(JsonFloat(std::numeric_limits<float>::infinity()), "null");
  EXPECT_EQ(JsonFloat(std::nanf("")), "null");
}

TEST(JsonTest, ItemLeavesOutTheReservedWords) {
  StoredItem item;
  item.reservedA = 5;
  item.reservedB = 6;
  item.level = 2;
  const std::string json = ItemJson(item);
  EXPECT_EQ(json.find("reserved"), std::string::npos);
  EXPECT_NE(json.find("\"level\":2}"), std::string::npos);
  EXPECT_EQ(json.substr(0, 11), "{\"title\":\"\"");
}

}  // namespace
}  // namespace orv::host
