// The setting of a discfetch run in the test process: a scratch profile store, the fake
// server as the default server, disc images in the drive, answers for the dialogs, and the
// host's records.
#ifndef ORV_TESTS_DISCFETCH_RUN_FIXTURE_H
#define ORV_TESTS_DISCFETCH_RUN_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "contract/host_string.h"
#include "discfetch/discfetch_filter.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "tests/discfetch/disc_image.h"
#include "tests/discfetch/fake_cddb_server.h"
#include "tests/platform/temp_folder.h"

namespace orv::discfetch::testing {

struct Produced {
  int32_t result = 0;
  int32_t kind = 0;
  std::string title, author, type, comment, length;
  int32_t chap = 0, level = -1;
};

class RunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
    platform::SetEnvironmentValue("ORVHOST_CDDB_DEFAULT", server_.Address());
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
    platform::SetEnvironmentValue("ORVHOST_CDROM", "");
    // Short waits: a fault costs a fraction of a second.
    platform::SetEnvironmentValue("ORVHOST_CDDB_TIMEOUT", "300");
  }
  void TearDown() override {
    for (const char* name :
         {"ORVHOST_CDDB_DEFAULT", "ORVHOST_ANSWERS", "ORVHOST_CDROM", "ORVHOST_CDDB_TIMEOUT"}) {
      platform::SetEnvironmentValue(name, "");
    }
  }

  static platform::ProfileLocation Section() {
    return platform::OptionLocation("Orvella Premium", "Kelvard", "discfetch");
  }
  // Integer options written into the store (the others it holds are kept).
  void SetOptions(const std::vector<std::pair<std::string, int32_t>>& values) {
    std::vector<platform::ProfileValue> stored = platform::ListProfileValues(Section());
    for (const auto& [name, number] : values) {
      platform::ProfileValue value;
      value.name = name;
      value.isInteger = true;
      value.integer = number;
      stored.push_back(value);
    }
    platform::WriteProfileValues(Section(), stored);
  }
  void SetProxy(const std::string& host, int32_t port, const std::string& user,
                const std::string& password) {
    platform::ProfileLocation where;
    where.keyPath = "Software\\Kelvard\\Orvella Premium\\Internet";
    std::vector<platform::ProfileValue> values(4);
    values[0].name = "ProxyUrl";
    values[0].text = host;
    values[1].name = "ProxyPort";
    values[1].isInteger = true;
    values[1].integer = port;
    values[2].name = "ProxyUsr";
    values[2].text = user;
    values[3].name = "ProxyPwd";
    values[3].text = password;
    platform::WriteProfileValues(where, values);
  }
  void Answer(const std::string& lines) {
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", folder_.Write("answers.txt", lines));
  }
  // Disc images, one per name, all in the drive in this order.
  void Insert(const std::vector<std::pair<std::string, std::vector<ImageTrack>>>& discs) {
    std::string images;
    for (const auto& [name, tracks] : discs) {
      if (!images.empty()) images += ":";
      images += WriteCueImage(folder_.Path(), name, tracks);
    }
    platform::SetEnvironmentValue("ORVHOST_CDROM", images);
  }

  // Configure (no dialog), Open with the answers given, then every ProcessItem until -1
  // (at most `limit` calls), then Close.
  std::vector<Produced> Run(int32_t* opened = nullptr, int32_t* count = nullptr, int limit = 400) {
    std::vector<Produced> produced;
    EXPECT_EQ(filter_.Configure("Orvella Premium", "Kelvard", 0), 1);
    const int32_t open = filter_.Open("", nullptr, nullptr);
    if (opened) *opened = open;
    if (open != 1) return produced;
    if (count) *count = filter_.GetCount();
    for (int call = 0; call < limit; ++call) {
      MediaItem item{};
      int32_t kind = 99;
      Produced p;
      p.result = filter_.ProcessItem(item, kind);
      p.kind = kind;
      p.title = StringOf(item.title);
      p.author = StringOf(item.author);
      p.type = StringOf(item.type);
      p.comment = StringOf(item.comment);
      p.length = item.length;
      p.chap = item.chap;
      p.level = item.level;
      for (HostString* field : {&item.title, &item.type, &item.author, &item.comment}) {
        hs_release(*field);
      }
      if (p.result == -1) break;
      produced.push_back(p);
    }
    filter_.Close();
    return produced;
  }

  orv::testing::TempFolder folder_;
  FakeCddbServer server_;
  DiscfetchFilter filter_;
};

}  // namespace orv::discfetch::testing

#endif  // ORV_TESTS_DISCFETCH_RUN_FIXTURE_H
