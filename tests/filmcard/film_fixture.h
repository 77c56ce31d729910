// Shared pieces of the filmcard tests: a scratch folder per test, card files written from
// lines, and the host's records (document, item) built and released the way the host does.
#ifndef ORV_TESTS_FILMCARD_FILM_FIXTURE_H
#define ORV_TESTS_FILMCARD_FILM_FIXTURE_H

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "contract/abi.h"
#include "contract/host_string.h"
#include "platform/process.h"

namespace orv::filmcard::testing {

namespace fs = std::filesystem;

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A card whose lines end with `eol`.
inline std::string CardText(std::initializer_list<std::string> lines,
                            const std::string& eol = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + eol;
  return text;
}

// A HostDocument with a video picture folder, owning its texts.
class FakeDocument {
 public:
  explicit FakeDocument(const std::string& videoPictures) {
    for (HostString& dir : dirs_) dir = nullptr;
    dirs_[ORV_CATEGORY_VIDEO] = hs_make(videoPictures.data(), videoPictures.size());
    for (HostString& list : lists_) list = nullptr;
    document_.pictureDirs = dirs_;
    document_.codeLists = lists_;
  }
  ~FakeDocument() {
    for (HostString dir : dirs_) hs_release(dir);
  }
  FakeDocument(const FakeDocument&) = delete;
  FakeDocument& operator=(const FakeDocument&) = delete;

  HostDocument* get() { return &document_; }

 private:
  HostDocument document_{};
  HostString dirs_[6];
  HostString lists_[3];
};

// A fresh host item: empty texts, and numbers the filter must overwrite set to odd values.
class FakeItem {
 public:
  FakeItem() {
    item_.format1 = item_.format2 = item_.medium = item_.sound = -7;
    item_.year = -7;
    item_.price = -7.0f;
    item_.rating = 4;
  }
  ~FakeItem() {
    for (HostString* field : {&item_.title, &item_.type, &item_.editor, &item_.author,
                              &item_.coauthor, &item_.lang, &item_.custom1, &item_.custom2,
                              &item_.custom3, &item_.comment, &item_.image, &item_.lendname}) {
      hs_release(*field);
    }
  }
  FakeItem(const FakeItem&) = delete;
  FakeItem& operator=(const FakeItem&) = delete;

  MediaItem& operator*() { return item_; }
  MediaItem* operator->() { return &item_; }
  MediaItem* get() { return &item_; }

 private:
  MediaItem item_{};
};

// A scratch folder per test, with ORVHOST_CONFIG_DIR inside it so that no test touches the
// user's profile.
class ScratchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / (std::string("orv_filmcard_") + info->test_suite_name() +
                                         "_" + info->name() + "_" + std::to_string(Stamp()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "cards");
    fs::create_directories(root_ / "pictures");
    fs::create_directories(root_ / "config");
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", (root_ / "config").string());
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
  }
  void TearDown() override {
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // Tells apart runs of the same test from two build trees at once.
  static long long Stamp() {
    return static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  }

  fs::path Cards() const { return root_ / "cards"; }
  fs::path Pictures() const { return root_ / "pictures"; }

  fs::path root_;
};

}  // namespace orv::filmcard::testing

#endif  // ORV_TESTS_FILMCARD_FILM_FIXTURE_H
