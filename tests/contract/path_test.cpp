#include "contract/path.h"

#include <gtest/gtest.h>

#include "platform/files.h"

namespace orv {
namespace {

TEST(Path, FolderOfKeepsTheTrailingSeparator) {
  const std::string sep(1, platform::kPathSeparator);
  EXPECT_EQ(FolderOf(sep + "films" + sep + "a.film"), sep + "films" + sep);
  EXPECT_EQ(FolderOf(sep + "a.film"), sep);
  EXPECT_EQ(FolderOf("films" + sep), "films" + sep);
  EXPECT_FALSE(FolderOf("a.film").has_value());
  EXPECT_FALSE(FolderOf("").has_value());
}

TEST(Path, FileNameAndJoin) {
  const std::string sep(1, platform::kPathSeparator);
  EXPECT_EQ(FileNameOf("old.site" + sep + "liste.htm"), "liste.htm");
  EXPECT_EQ(FileNameOf("liste"), "liste");
  EXPECT_EQ(JoinPath("a", "b"), "a" + sep + "b");
  EXPECT_EQ(JoinPath("a" + sep, "b"), "a" + sep + "b");
  EXPECT_EQ(JoinPath("", "b"), "b");
}

}  // namespace
}  // namespace orv
