#include "text/byte_cursor.h"

#include <gtest/gtest.h>

#include <string>

#include "text/byte_source.h"

namespace orv::text {
namespace {

TEST(ByteCursor, ReadsBothByteOrdersAndStopsAtTheEnd) {
  const std::string bytes("\x01\x02\x03\x04\x05", 5);
  ByteCursor le(bytes);
  uint32_t v32 = 0;
  ASSERT_TRUE(le.U32(v32));
  EXPECT_EQ(v32, 0x04030201u);
  uint16_t v16 = 0xAAAA;
  EXPECT_FALSE(le.U16(v16)) << "one byte left";
  EXPECT_EQ(v16, 0xAAAA) << "a failed read leaves the value alone";
  EXPECT_EQ(le.Position(), 4u) << "and the position too";

  ByteCursor be(bytes, ByteOrder::kBig);
  ASSERT_TRUE(be.U16(v16));
  EXPECT_EQ(v16, 0x0102);
  ASSERT_TRUE(be.U16Le(v16));
  EXPECT_EQ(v16, 0x0403);
}

TEST(ByteCursor, HugeOffsetsAndCountsNeverWrapAround) {
  const std::string bytes(16, 'x');
  ByteCursor cursor(bytes);
  ASSERT_TRUE(cursor.Seek(8));
  EXPECT_FALSE(cursor.Skip(UINT64_MAX));
  EXPECT_FALSE(cursor.Skip(UINT64_MAX - 4));
  EXPECT_FALSE(cursor.Seek(UINT64_MAX));
  EXPECT_TRUE(cursor.Seek(16)) << "the end itself is a place";
  EXPECT_TRUE(cursor.AtEnd());
  ByteCursor sub;
  EXPECT_FALSE(cursor.Sub(8, UINT64_MAX - 7, sub));
  EXPECT_FALSE(cursor.Sub(17, 0, sub));
  ASSERT_TRUE(cursor.Sub(4, 12, sub));
  EXPECT_EQ(sub.Size(), 12u);
  std::string_view taken;
  EXPECT_FALSE(sub.Take(13, taken));
  EXPECT_TRUE(sub.Take(12, taken));
}

TEST(MemorySource, GivesShortReadsAtTheEndAndNothingPastIt) {
  const std::string bytes = "abcdef";
  MemorySource source(bytes);
  std::string out = "stale";
  ASSERT_TRUE(source.ReadAt(4, 10, out));
  EXPECT_EQ(out, "ef");
  EXPECT_FALSE(source.ReadExactly(4, 3, out));
  ASSERT_TRUE(source.ReadAt(UINT64_MAX, 3, out));
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace orv::text
