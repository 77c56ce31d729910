// Entries of a card folder that are neither files nor folders: a named pipe must never hold up
// the run, whether it stands for a card or for a poster.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "filmcard/filmcard_filter.h"
#include "tests/filmcard/film_fixture.h"

namespace orv::filmcard {
namespace {

namespace fs = std::filesystem;
using testing::CardText;
using testing::FakeDocument;
using testing::FakeItem;
using testing::WriteBytes;

class SpecialFiles : public testing::ScratchTest {};

TEST_F(SpecialFiles, APipeIsSkippedAsACardAndNotCopiedAsAPoster) {
  WriteBytes(Cards() / "a.film", CardText({"A"}));
  // Opening a pipe for reading waits for a writer that never comes.
  ASSERT_EQ(mkfifo((Cards() / "a.jpg").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((Cards() / "b.film").c_str(), 0600), 0);

  FilmcardFilter filter;
  FakeDocument document(Pictures().string());
  const std::string path = (Cards() / "a.film").string();
  ASSERT_EQ(filter.Open(path.c_str(), document.get(), nullptr), 1);
  EXPECT_EQ(filter.GetCount(), 2);
  FakeItem first;
  int32_t kind = 0;
  ASSERT_EQ(filter.ProcessItem(*first, kind), 1);
  EXPECT_EQ(StringOf(first->title), "A");
  EXPECT_EQ(StringOf(first->image), "");
  EXPECT_TRUE(fs::is_empty(Pictures()));
  FakeItem second;
  EXPECT_EQ(filter.ProcessItem(*second, kind), 0);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(filter.ProcessItem(*second, kind), -1);
  EXPECT_EQ(filter.Close(), 1);
}

}  // namespace
}  // namespace orv::filmcard
