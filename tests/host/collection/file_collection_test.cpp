// The text-file collection of builds without SQLite (the Windows build uses it for orvhost.exe).
// Portable: it runs in the Linux suites and under Wine alike.
#include "host/collection/file_collection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace orv::host {
namespace {

namespace fs = std::filesystem;

class FileCollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A random part keeps apart the runs of other builds and other people on this machine.
    folder_ = fs::temp_directory_path() /
              ("orv_file_collection_" + std::to_string(std::random_device{}()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "sub");
    path_ = (folder_ / "sub" / "c.orv").u8string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<Collection> Open(OpenMode mode = OpenMode::kCreateWhenMissing) {
    std::string error;
    auto collection = OpenFileCollection(path_, mode, error);
    EXPECT_TRUE(collection) << error;
    return collection;
  }
  std::vector<StoredItem> All(Collection& collection) {
    std::vector<StoredItem> items;
    std::string error;
    EXPECT_TRUE(collection.Items(std::nullopt, items, error)) << error;
    return items;
  }
  std::string FileBytes() {
    std::ifstream in(fs::u8path(path_), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void AppendRaw(const std::string& bytes) {
    std::ofstream(fs::u8path(path_), std::ios::binary | std::ios::app) << bytes;
  }

  fs::path folder_;
  std::string path_;
};

StoredItem Sample(int kind, const std::string& title) {
  StoredItem item;
  item.itemKind = kind;
  item.category = 1;
  item.title = title;
  return item;
}

TEST_F(FileCollectionTest, EveryFieldComesBackAsStoredInOrder) {
  StoredItem full = Sample(1, "Le Bal \\ des\tlucioles");
  full.comment = "ligne 1\r\nligne 2\\n";
  full.coauthor =
      "L\xC3\xA9"
      "a Dumont";
  full.length = "01:45:00";
  full.year = 1987;
  full.rating = -3;
  full.price = 12.3f;
  full.medium = 19;
  full.level = 2;
  full.lendat2 = "2024/01/31";
  {
    auto collection = Open();
    ASSERT_TRUE(collection);
    std::string error;
    ASSERT_TRUE(collection->AddItem(full, error)) << error;
    ASSERT_TRUE(collection->AddItem(Sample(64, ""), error)) << error;
  }
  auto reopened = Open(OpenMode::kExistingOnly);
  ASSERT_TRUE(reopened);
  const std::vector<StoredItem> items = All(*reopened);
  ASSERT_EQ(items.size(), 2u);
  for (const ItemField& field : ItemFields()) {
    SCOPED_TRACE(field.name);
    if (field.kind == FieldKind::kText) {
      EXPECT_EQ(items[0].*field.text, full.*field.text);
    } else if (field.kind == FieldKind::kInteger) {
      EXPECT_EQ(items[0].*field.integer, full.*field.integer);
    }
  }
  EXPECT_EQ(items[0].price, 12.3f);
  EXPECT_EQ(items[0].itemKind, 1);
  EXPECT_EQ(items[0].order, 1);
  EXPECT_EQ(items[1].order, 2);
  EXPECT_EQ(items[1].itemKind, 64);
}

TEST_F(FileCollectionTest, ItemsAreFiledByTheirOwnCategoryElseByTheirKind) {
  auto collection = Open();
  ASSERT_TRUE(collection);
  std::string error;
  for (int kind : {1, 2, 64, 257, 1, 4}) {
    StoredItem item = Sample(kind, "n" + std::to_string(kind));
    if (kind == 2) item.category = 0;  // no category of its own: the kind's
    if (kind == 4) item.category = 2;  // a file item reported as a book
    ASSERT_TRUE(collection->AddItem(item, error));
  }
  std::vector<StoredItem> items;
  ASSERT_TRUE(collection->Items(1, items, error));
  EXPECT_EQ(items.size(), 4u);
  ASSERT_TRUE(collection->Items(2, items, error));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].title, "n2");
  EXPECT_EQ(items[1].title, "n4");
}

TEST_F(FileCollectionTest, SettingsStartFromDefaultsAndTheLastSaveWins) {
  auto collection = Open();
  ASSERT_TRUE(collection);
  CollectionSettings settings = collection->Settings();
  EXPECT_EQ(settings.currency, "\xE2\x82\xAC");
  settings.owner = "Zo\xC3\xA9\tB";
  settings.pictureDirs[1] = "/films/affiches";
  std::string error;
  ASSERT_TRUE(collection->SaveSettings(settings, error)) << error;
  settings.owner = "Ana";
  ASSERT_TRUE(collection->SaveSettings(settings, error)) << error;
  ASSERT_TRUE(collection->AddItem(Sample(1, "x"), error));

  auto reopened = Open(OpenMode::kExistingOnly);
  ASSERT_TRUE(reopened);
  EXPECT_EQ(reopened->Settings().owner, "Ana");
  EXPECT_EQ(reopened->Settings().pictureDirs[1], "/films/affiches");
  EXPECT_EQ(All(*reopened).size(), 1u);
}

TEST_F(FileCollectionTest, AnInterruptedWriteLosesOnlyTheLineItWasWriting) {
  {
    auto collection = Open();
    ASSERT_TRUE(collection);
    std::string error;
    ASSERT_TRUE(collection->AddItem(Sample(1, "kept"), error));
  }
  AppendRaw("I\t1\tcut sh");  // a crash in the middle of an item
  auto reopened = Open(OpenMode::kExistingOnly);
  ASSERT_TRUE(reopened);
  ASSERT_EQ(All(*reopened).size(), 1u);
  std::string error;
  ASSERT_TRUE(reopened->AddItem(Sample(1, "after"), error)) << error;
  const std::vector<StoredItem> items = All(*reopened);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1].title, "after");
  EXPECT_EQ(FileBytes().find("cut sh"), std::string::npos);
}

TEST_F(FileCollectionTest, DamagedItemsAreReportedNotDropped) {
  auto collection = Open();
  ASSERT_TRUE(collection);
  AppendRaw("I\tnot a number\n");
  std::vector<StoredItem> items;
  std::string error;
  EXPECT_FALSE(collection->Items(std::nullopt, items, error));
  EXPECT_NE(error.find("line 2"), std::string::npos);
}

TEST_F(FileCollectionTest, ForeignOrMissingFilesAreRefusedAndLeftAlone) {
  std::string error;
  EXPECT_FALSE(OpenFileCollection(path_, OpenMode::kExistingOnly, error));
  EXPECT_FALSE(OpenFileCollection(path_, OpenMode::kReadOnly, error));
  EXPECT_FALSE(fs::exists(fs::u8path(path_)));

  const std::string foreign = std::string("SQLite format 3\0\x10\0", 19) + std::string(4000, 'x');
  std::ofstream(fs::u8path(path_), std::ios::binary) << foreign;
  EXPECT_FALSE(OpenFileCollection(path_, OpenMode::kCreateWhenMissing, error));
  EXPECT_NE(error.find("not an orvhost collection"), std::string::npos);
  EXPECT_EQ(FileBytes(), foreign);

  std::ofstream(fs::u8path(path_), std::ios::binary) << "orvhost collection file 1";
  EXPECT_FALSE(OpenFileCollection(path_, OpenMode::kExistingOnly, error));
  EXPECT_FALSE(OpenFileCollection(folder_.u8string(), OpenMode::kExistingOnly, error));
}

TEST_F(FileCollectionTest, NoFolderIsMadeForAMissingOne) {
  const fs::path deeper = folder_ / "typo" / "c.orv";
  std::string error;
  EXPECT_FALSE(OpenFileCollection(deeper.u8string(), OpenMode::kCreateWhenMissing, error));
  EXPECT_NE(error.find("no folder"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder_ / "typo"));
}

TEST_F(FileCollectionTest, AReaderWritesNothing) {
  {
    auto collection = Open();
    ASSERT_TRUE(collection);
    std::string error;
    ASSERT_TRUE(collection->AddItem(Sample(1, "kept"), error));
  }
  AppendRaw("I\t1\tcut sh");  // a damaged end, which a writer would repair
  const std::string before = FileBytes();
  auto reader = Open(OpenMode::kReadOnly);
  ASSERT_TRUE(reader);
  EXPECT_EQ(All(*reader).size(), 1u);
  std::string error;
  EXPECT_FALSE(reader->AddItem(Sample(1, "refused"), error));
  EXPECT_FALSE(reader->SaveSettings(reader->Settings(), error));
  EXPECT_EQ(FileBytes(), before);
}

}  // namespace
}  // namespace orv::host
