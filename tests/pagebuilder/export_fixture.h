// Builders for export tests: a scratch folder, items and a document made of host strings (all
// released again), and a few file helpers.
#ifndef ORV_TESTS_PAGEBUILDER_EXPORT_FIXTURE_H
#define ORV_TESTS_PAGEBUILDER_EXPORT_FIXTURE_H

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "contract/abi.h"
#include "contract/host_string.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "tests/platform/temp_folder.h"

namespace orv::testing {

using ScratchFolder = TempFolder;

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Items laid end to end, as the host hands them over.
class Items {
 public:
  ~Items() {
    for (MediaItem& item : items_) {
      for (HostString* field : {&item.title, &item.type, &item.editor, &item.author, &item.coauthor,
                                &item.lang, &item.custom1, &item.custom2, &item.custom3,
                                &item.comment, &item.image, &item.lendname}) {
        hs_release(*field);
      }
    }
  }
  // The reference holds until the next Add.
  MediaItem& Add(const std::string& title, int category = 1) {
    MediaItem item;
    std::memset(&item, 0, sizeof item);
    orv::Assign(&item.title, title);
    item.category = category;
    items_.push_back(item);
    list_.items = items_.data();
    list_.count = static_cast<int32_t>(items_.size());
    return items_.back();
  }
  static void Text(HostString& field, const std::string& text) { orv::Assign(&field, text); }
  ItemList* list() { return &list_; }

 private:
  std::vector<MediaItem> items_;
  ItemList list_{0, nullptr, 0};
};

// A HostDocument with picture folders, code lists and the owner, title and currency.
class Document {
 public:
  Document() {
    std::memset(&document_, 0, sizeof document_);
    document_.pictureDirs = pictureDirs_.data();
    document_.codeLists = codeLists_.data();
  }
  ~Document() {
    for (HostString& s : pictureDirs_) hs_release(s);
    for (HostString& s : codeLists_) hs_release(s);
    hs_release(document_.docowner);
    hs_release(document_.doctitle);
    hs_release(document_.doccurr);
  }
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  Document& PictureDir(int category, const std::string& folder) {
    orv::Assign(&pictureDirs_[category], folder);
    return *this;
  }
  Document& CodeList(int which, const std::string& list) {
    orv::Assign(&codeLists_[which], list);
    return *this;
  }
  Document& Owner(const std::string& owner, const std::string& title, const std::string& currency) {
    orv::Assign(&document_.docowner, owner);
    orv::Assign(&document_.doctitle, title);
    orv::Assign(&document_.doccurr, currency);
    return *this;
  }
  HostDocument* get() { return &document_; }

 private:
  HostDocument document_;
  std::array<HostString, 6> pictureDirs_{};
  std::array<HostString, 3> codeLists_{};
};

// Options kept in an initialisation file of the scratch folder (Configure with profile() and no
// registry key), so no test touches the user's own profile; dialogs answered from a file.
class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_.MakeFolder("config"));
  }
  void TearDown() override { platform::SetEnvironmentValue("ORVHOST_ANSWERS", ""); }

  const char* profile() {
    profile_ = folder_ / "options.ini";
    return profile_.c_str();
  }
  void Answer(const std::string& lines) {
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", folder_.Write("answers.txt", lines));
  }
  std::map<std::string, std::string> Stored(const platform::ProfileLocation& where) {
    std::map<std::string, std::string> stored;
    for (const auto& value : platform::ListProfileValues(where)) {
      stored[value.name] = value.isInteger ? std::to_string(value.integer) : value.text;
    }
    return stored;
  }

  ScratchFolder folder_;
  std::string profile_;
};

}  // namespace orv::testing

#endif  // ORV_TESTS_PAGEBUILDER_EXPORT_FIXTURE_H
