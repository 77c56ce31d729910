// What the reader tests share: a fresh host item released afterwards, and a scratch folder.
#ifndef ORV_TESTS_FILESCAN_READER_FIXTURE_H
#define ORV_TESTS_FILESCAN_READER_FIXTURE_H

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "contract/abi.h"
#include "contract/host_string.h"
#include "tests/platform/temp_folder.h"

namespace orv::testing {

class ReaderItem {
 public:
  ReaderItem() = default;
  ~ReaderItem() {
    for (HostString* field : {&item_.title, &item_.type, &item_.editor, &item_.author,
                              &item_.coauthor, &item_.lang, &item_.custom1, &item_.custom2,
                              &item_.custom3, &item_.comment, &item_.image, &item_.lendname}) {
      hs_release(*field);
    }
  }
  ReaderItem(const ReaderItem&) = delete;
  ReaderItem& operator=(const ReaderItem&) = delete;

  MediaItem& operator*() { return item_; }
  MediaItem* operator->() { return &item_; }

 private:
  MediaItem item_{};
};

// Writes `bytes` to `name` in the folder and gives its path.
inline std::string WriteFile(const TempFolder& folder, const std::string& name,
                             const std::string& bytes) {
  const std::string path = folder / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

}  // namespace orv::testing

#endif  // ORV_TESTS_FILESCAN_READER_FIXTURE_H
