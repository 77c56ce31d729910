// Shared pieces of the filescan tests: a host item that releases its texts, reading its text
// fields, and a scratch folder with its own profile store.
#ifndef ORV_TESTS_FILESCAN_SCAN_FIXTURE_H
#define ORV_TESTS_FILESCAN_SCAN_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "contract/abi.h"
#include "contract/host_string.h"
#include "platform/process.h"
#include "tests/platform/temp_folder.h"

namespace orv::testing {

class HostItem {
 public:
  HostItem() = default;
  ~HostItem() {
    for (HostString* field : {&item_.title, &item_.type, &item_.editor, &item_.author,
                              &item_.coauthor, &item_.lang, &item_.custom1, &item_.custom2,
                              &item_.custom3, &item_.comment, &item_.image, &item_.lendname}) {
      hs_release(*field);
    }
  }
  HostItem(const HostItem&) = delete;
  HostItem& operator=(const HostItem&) = delete;

  MediaItem& operator*() { return item_; }
  MediaItem* operator->() { return &item_; }

 private:
  MediaItem item_{};
};

inline std::string Text(HostString s) { return StringOf(s); }

// A scratch folder, with ORVHOST_CONFIG_DIR inside it so that no test touches the user's
// profile, and no answers file.
class ScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
  }
  TempFolder folder_;
};

}  // namespace orv::testing

#endif  // ORV_TESTS_FILESCAN_SCAN_FIXTURE_H
