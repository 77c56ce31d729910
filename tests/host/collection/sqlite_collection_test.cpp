#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/collection/collection.h"

namespace orv::host {
namespace {

namespace fs = std::filesystem;

class SqliteCollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orvhost_db_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    fs::create_directories(folder_ + "/sub");
    path_ = folder_ + "/sub/c.db";
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string folder_, path_;
};

TEST_F(SqliteCollectionTest, ItemsComeBackInOrderAndByCategory) {
  std::string error;
  {
    auto collection = OpenCollection(path_, OpenMode::kCreateWhenMissing, error);
    ASSERT_TRUE(collection) << error;
    for (int kind : {1, 2, 64, 257, 1}) {
      StoredItem item;
      item.itemKind = kind;
      item.category = kind == 2 ? 0 : 1;  // none of its own: filed by its kind
      item.title = "n" + std::to_string(kind);
      item.price = 0.1f;
      ASSERT_TRUE(collection->AddItem(item, error)) << error;
    }
  }
  auto reopened = OpenCollection(path_, OpenMode::kExistingOnly, error);
  ASSERT_TRUE(reopened) << error;
  std::vector<StoredItem> items;
  ASSERT_TRUE(reopened->Items(std::nullopt, items, error));
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[3].title, "n257");
  EXPECT_LT(items[0].order, items[4].order);
  EXPECT_EQ(items[0].price, 0.1f);  // the float survives the database's double
  ASSERT_TRUE(reopened->Items(1, items, error));
  EXPECT_EQ(items.size(), 4u);
  ASSERT_TRUE(reopened->Items(2, items, error));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].title, "n2");
}

TEST_F(SqliteCollectionTest, SettingsStartFromDefaultsAndPersist) {
  std::string error;
  auto collection = OpenCollection(path_, OpenMode::kCreateWhenMissing, error);
  ASSERT_TRUE(collection) << error;
  CollectionSettings settings = collection->Settings();
  EXPECT_EQ(settings.currency, "€");
  EXPECT_EQ(settings.codeLists[1][0], "Pal|Sécam|Ntsc|DivX|XviD|Mpeg");
  EXPECT_EQ(settings.codeLists[2][0], "");
  settings.owner = "Zoé";
  settings.codeLists[1][0] = "";  // an emptied list stays empty
  settings.proxyPort = 8080;
  ASSERT_TRUE(collection->SaveSettings(settings, error)) << error;
  collection.reset();
  collection = OpenCollection(path_, OpenMode::kExistingOnly, error);
  ASSERT_TRUE(collection) << error;
  const CollectionSettings again = collection->Settings();
  EXPECT_EQ(again.owner, "Zoé");
  EXPECT_EQ(again.codeLists[1][0], "");
  EXPECT_EQ(again.proxyPort, 8080);
  EXPECT_EQ(PictureFolder(again, path_, 4), folder_ + "/sub/pictures/book");
}

TEST_F(SqliteCollectionTest, RefusesWhatIsNotACollection) {
  std::string error;
  EXPECT_FALSE(OpenCollection(path_, OpenMode::kExistingOnly, error));
  EXPECT_FALSE(OpenCollection(path_, OpenMode::kReadOnly, error));
  EXPECT_FALSE(fs::exists(path_));
  // No folder is made for a collection: a mistyped path creates nothing.
  EXPECT_FALSE(OpenCollection(folder_ + "/typo/c.db", OpenMode::kCreateWhenMissing, error));
  EXPECT_NE(error.find("no folder"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder_ + "/typo"));
  EXPECT_FALSE(OpenCollection(folder_, OpenMode::kCreateWhenMissing, error));  // a folder
  const std::string empty = folder_ + "/empty.db";
  std::ofstream{empty};
  EXPECT_FALSE(OpenCollection(empty, OpenMode::kCreateWhenMissing, error));
  EXPECT_EQ(fs::file_size(empty), 0u);
}

TEST_F(SqliteCollectionTest, AReaderLeavesARollbackJournalCollectionByteForByte) {
  std::string error;
  {
    auto collection = OpenCollection(path_, OpenMode::kCreateWhenMissing, error);
    ASSERT_TRUE(collection) << error;
    StoredItem item;
    item.itemKind = 1;
    item.title = "kept";
    ASSERT_TRUE(collection->AddItem(item, error)) << error;
  }
  // A collection in rollback-journal mode, as another tool may leave it.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  const auto bytes = [&] {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  const std::string before = bytes();
  ASSERT_EQ(before[18], 1);  // the header's write version: 1 is rollback journal, 2 is WAL
  {
    auto reader = OpenCollection(path_, OpenMode::kReadOnly, error);
    ASSERT_TRUE(reader) << error;
    std::vector<StoredItem> items;
    ASSERT_TRUE(reader->Items(std::nullopt, items, error)) << error;
    EXPECT_EQ(items.size(), 1u);
    EXPECT_EQ(reader->Settings().currency, "€");
    EXPECT_FALSE(reader->AddItem(items[0], error));
  }
  EXPECT_EQ(bytes(), before);
  EXPECT_FALSE(fs::exists(path_ + "-wal"));
}

}  // namespace
}  // namespace orv::host
