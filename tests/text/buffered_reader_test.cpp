// The buffered reader: pieces inside the window cost no read, others refill it, and the end of
// the source is never read past.
#include "text/buffered_reader.h"

#include <gtest/gtest.h>

namespace orv::text {
namespace {

class CountingSource : public MemorySource {
 public:
  using MemorySource::MemorySource;
  bool ReadAt(uint64_t offset, size_t count, std::string& out) override {
    ++reads;
    return MemorySource::ReadAt(offset, count, out);
  }
  bool ViewAt(uint64_t, size_t, std::string_view&) override { return false; }
  int reads = 0;
};

TEST(BufferedReader, ReadsThroughOneWindow) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i % 251);
  CountingSource source(bytes);
  BufferedReader reader(source, 100);
  std::string_view view;
  ASSERT_TRUE(reader.View(0, 4, view));
  EXPECT_EQ(view, bytes.substr(0, 4));
  ASSERT_TRUE(reader.View(50, 50, view));
  EXPECT_EQ(source.reads, 1);
  ASSERT_TRUE(reader.View(98, 4, view));  // across the window's end
  EXPECT_EQ(view, bytes.substr(98, 4));
  EXPECT_EQ(source.reads, 2);
  ASSERT_TRUE(reader.View(500, 300, view));  // larger than the window
  EXPECT_EQ(view, bytes.substr(500, 300));

  EXPECT_FALSE(reader.View(998, 4, view));
  ASSERT_TRUE(reader.ViewUpTo(998, 4, view));
  EXPECT_EQ(view, bytes.substr(998));
  const int reads = source.reads;
  EXPECT_FALSE(reader.View(999, 2, view));  // the window already holds the end
  EXPECT_EQ(source.reads, reads);
  EXPECT_FALSE(reader.View(UINT64_MAX - 1, 4, view));
  ASSERT_TRUE(reader.ViewUpTo(5000, 4, view));
  EXPECT_TRUE(view.empty());
}

TEST(BufferedReader, BytesTheSourceHoldsAreViewedWhereTheyAre) {
  const std::string bytes = "0123456789";
  MemorySource source(bytes);
  BufferedReader reader(source, 4);
  std::string_view view;
  ASSERT_TRUE(reader.View(2, 6, view));
  EXPECT_EQ(view.data(), bytes.data() + 2);
  EXPECT_FALSE(reader.View(8, 4, view));
  ASSERT_TRUE(reader.ViewUpTo(8, 4, view));
  EXPECT_EQ(view, "89");
  ASSERT_TRUE(reader.ViewUpTo(20, 4, view));
  EXPECT_TRUE(view.empty());
}

class FailingSource : public ByteSource {
 public:
  uint64_t Size() const override { return 100; }
  bool ReadAt(uint64_t, size_t, std::string& out) override {
    out.clear();
    return false;
  }
};

TEST(BufferedReader, AReadErrorFailsEveryView) {
  FailingSource source;
  BufferedReader reader(source);
  std::string_view view;
  EXPECT_FALSE(reader.View(0, 1, view));
  EXPECT_FALSE(reader.ViewUpTo(0, 1, view));
}

}  // namespace
}  // namespace orv::text
