// Both collection stores alike: runs, links, removals, finding an equal item, and collections
// written by the previous release read and upgraded whole.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/collection/collection.h"
#include "host/collection/file_collection.h"

namespace orv::host {
namespace {

namespace fs = std::filesystem;

enum class Store { kSqlite, kFile };

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class CollectionRunsTest : public ::testing::TestWithParam<Store> {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orvhost_runs_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    path_ = folder_ + "/c";
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<Collection> Open(OpenMode mode = OpenMode::kCreateWhenMissing) {
    std::string error;
    auto collection = GetParam() == Store::kSqlite ? OpenCollection(path_, mode, error)
                                                   : OpenFileCollection(path_, mode, error);
    EXPECT_TRUE(collection) << error;
    return collection;
  }
  std::vector<StoredItem> All(Collection& collection) {
    std::vector<StoredItem> items;
    std::string error;
    EXPECT_TRUE(collection.Items(std::nullopt, items, error)) << error;
    return items;
  }

  std::string folder_, path_;
};

StoredItem Film(const std::string& title, int kind = 1) {
  StoredItem item;
  item.itemKind = kind;
  item.category = 1;
  item.title = title;
  item.price = 9.5f;
  return item;
}

TEST_P(CollectionRunsTest, RunsLinksAndRemovalsAreKept) {
  std::string error;
  {
    auto c = Open();
    ASSERT_TRUE(c);
    RunRecord first{0, "2026-12-08 10:00:00", "filmsearch", "/films\tà voir", 0, ""};
    ASSERT_TRUE(c->BeginRun(first, error)) << error;
    int64_t a = 0, b = 0;
    StoredItem film = Film("A", 257);
    film.run = first.id;
    ASSERT_TRUE(c->StoreItem(film, a, error)) << error;
    StoredItem link = Film("A", 128);
    link.type = "https://films.example/a";
    ASSERT_TRUE(c->SetLink(a, link, error)) << error;
    StoredItem other = Film("B");
    other.run = first.id;
    ASSERT_TRUE(c->StoreItem(other, b, error)) << error;
    EXPECT_EQ(b, a + 1);
    first.stored = 2;
    first.ending = "done";
    ASSERT_TRUE(c->EndRun(first, error)) << error;

    RunRecord second{0, "2026-12-08 11:00:00", "filmcard", "", 0, ""};
    ASSERT_TRUE(c->BeginRun(second, error)) << error;
    EXPECT_EQ(second.id, first.id + 1);
    StoredItem third = Film("C");
    third.run = second.id;
    int64_t id = 0;
    ASSERT_TRUE(c->StoreItem(third, id, error));
    // Found with its link; an item differing in one field is not the same.
    std::shared_ptr<const StoredItem> found;
    ASSERT_TRUE(c->FindSame(Film("A", 257), id, found, error)) << error;
    EXPECT_EQ(id, a);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->type, "https://films.example/a");
    StoredItem cheaper = Film("A", 257);
    cheaper.price = 9.25f;
    ASSERT_TRUE(c->FindSame(cheaper, id, found, error));
    EXPECT_EQ(id, 0);
    // The second run never ended: the process died.
  }
  auto c = Open(OpenMode::kExistingOnly);
  ASSERT_TRUE(c);
  std::vector<RunRecord> runs;
  ASSERT_TRUE(c->Runs(runs, error)) << error;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].source, "/films\tà voir");
  EXPECT_EQ(runs[0].stored, 2);
  EXPECT_EQ(runs[0].ending, "done");
  EXPECT_EQ(runs[1].filter, "filmcard");
  EXPECT_EQ(runs[1].stored, 1);
  EXPECT_EQ(runs[1].ending, "");
  std::vector<StoredItem> items = All(*c);
  ASSERT_EQ(items.size(), 3u);
  ASSERT_TRUE(items[0].link);
  EXPECT_EQ(items[0].link->itemKind, 128);
  EXPECT_EQ(items[0].run, runs[0].id);
  EXPECT_EQ(items[2].run, runs[1].id);

  ASSERT_TRUE(c->RemoveItems({items[1].order}, error)) << error;
  ASSERT_TRUE(c->RemoveRun(runs[1].id, error)) << error;
  items = All(*c);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].title, "A");
  ASSERT_TRUE(c->Runs(runs, error));
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].stored, 1);
  // Numbers are never handed out twice, even after removals.
  int64_t id = 0;
  ASSERT_TRUE(c->StoreItem(Film("D"), id, error));
  EXPECT_EQ(id, 4);
}

TEST_P(CollectionRunsTest, ACollectionOfThePreviousReleaseIsReadAndUpgradedWhole) {
  const std::string fixture = std::string(HOST_TEST_DATA) + (GetParam() == Store::kSqlite
                                                                 ? "/previous_collection.db"
                                                                 : "/previous_collection.txt");
  fs::copy_file(fixture, path_);
  const std::string before = Bytes(path_);
  std::vector<StoredItem> read;
  {
    auto c = Open(OpenMode::kReadOnly);
    ASSERT_TRUE(c);
    read = All(*c);
  }
  EXPECT_EQ(Bytes(path_), before);  // a reader upgrades nothing
  ASSERT_EQ(read.size(), 8u);
  // Films 4 and 6 each carry the link row that followed them; the numbers stay.
  EXPECT_EQ(read[3].order, 4);
  ASSERT_TRUE(read[3].link);
  EXPECT_EQ(read[3].link->type, "https://films.example/fiche/1");
  EXPECT_EQ(read[4].order, 6);
  ASSERT_TRUE(read[4].link);
  EXPECT_EQ(read[5].itemKind, 64);
  EXPECT_EQ(read[7].title, "Chanson n°1 : l'été à Noël");
  EXPECT_EQ(CollectionCategory(read[7]), 2);
  for (const StoredItem& item : read) EXPECT_EQ(item.run, 0);

  std::string error;
  auto c = Open(OpenMode::kExistingOnly);
  ASSERT_TRUE(c);
  std::vector<StoredItem> upgraded = All(*c);
  ASSERT_EQ(upgraded.size(), read.size());
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(upgraded[i].order, read[i].order);
    EXPECT_TRUE(SameItem(upgraded[i], read[i])) << i;
    EXPECT_EQ(!upgraded[i].link, !read[i].link) << i;
  }
  std::vector<RunRecord> runs;
  ASSERT_TRUE(c->Runs(runs, error));
  EXPECT_TRUE(runs.empty());
  EXPECT_EQ(c->Settings().owner, "Zoé");
  // Earlier items are found as duplicates, their links with them.
  int64_t id = 0;
  std::shared_ptr<const StoredItem> link;
  ASSERT_TRUE(c->FindSame(read[4], id, link, error)) << error;
  EXPECT_EQ(id, 6);
  EXPECT_TRUE(link);
  ASSERT_TRUE(c->StoreItem(Film("Nouveau"), id, error)) << error;
  EXPECT_EQ(id, 11);
}

INSTANTIATE_TEST_SUITE_P(BothStores, CollectionRunsTest,
                         ::testing::Values(Store::kSqlite, Store::kFile),
                         [](const auto& info) {
                           return info.param == Store::kSqlite ? "Sqlite" : "File";
                         });

TEST(StoredItemTest, LinkItemsAttachOnlyToAnItemThatTakesOne) {
  std::vector<StoredItem> items = {Film("A"), Film("a", 128), Film("a2", 128), Film("H", 64),
                                   Film("h", 128)};
  EXPECT_EQ(AttachLinks(items), 1u);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].link->title, "a");
  EXPECT_EQ(items[1].title, "a2");  // a second link after one item stays an item
  EXPECT_EQ(items[3].title, "h");   // as does a link after a heading
}

TEST(StoredItemTest, EqualityAndDigestSeeEveryFieldAndItsBounds) {
  StoredItem a = Film("ab"), b = Film("ab");
  a.type = "c";
  b.type = "c";
  EXPECT_TRUE(SameItem(a, b));
  EXPECT_EQ(ItemDigest(a), ItemDigest(b));
  b.title = "a";
  b.type = "bc";  // the same bytes, split elsewhere
  EXPECT_FALSE(SameItem(a, b));
  EXPECT_NE(ItemDigest(a), ItemDigest(b));
  b = a;
  b.level = 1;
  EXPECT_FALSE(SameItem(a, b));
  b = a;
  b.itemKind = 257;
  EXPECT_FALSE(SameItem(a, b));
}

}  // namespace
}  // namespace orv::host
