// Shared pieces of the filescan tests: the host item (tests/builders/host_item.h), reading its
// text fields, and a scratch folder with its own profile store.
#ifndef ORV_TESTS_FILESCAN_SCAN_FIXTURE_H
#define ORV_TESTS_FILESCAN_SCAN_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "contract/abi.h"
#include "contract/host_string.h"
#include "platform/process.h"
#include "tests/builders/host_item.h"
#include "tests/platform/temp_folder.h"

namespace orv::testing {

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
