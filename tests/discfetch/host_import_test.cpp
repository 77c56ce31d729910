// orvhost import discfetch as a person runs it: disc images through ORVHOST_CDROM, the fake
// server through ORVHOST_CDDB_DEFAULT, dialogs from an answers file, the transcript checked.
#include <gtest/gtest.h>

#include "platform/process.h"
#include "platform/profile.h"
#include "tests/discfetch/disc_image.h"
#include "tests/discfetch/entry_text.h"
#include "tests/discfetch/fake_cddb_server.h"
#include "tests/host/host_run.h"

namespace orv::discfetch {
namespace {

using host::testing::ItemObject;
using host::testing::JsonField;
using host::testing::RunResult;

class HostImport : public host::testing::HostRunTest {
 protected:
  void SetUp() override {
    HostRunTest::SetUp();
    // orvhost inherits these from the test process.
    platform::SetEnvironmentValue("ORVHOST_CDDB_DEFAULT", server_.Address());
    platform::SetEnvironmentValue(
        "ORVHOST_CDROM",
        testing::WriteCueImage(folder_, "example", testing::WorkedExampleTracks()) + ":" +
            testing::WriteCueImage(folder_, "three", testing::EvenTracks(3, 242)));
    server_.AddEntry("rock", testing::EntryText("0501a302", "Noir D\xe9sir / Tostaky",
                                                {"Un", "Deux"}, "DYEAR=1992\nDGENRE=Rock\n"));
    platform::SetEnvironmentValue("ORVHOST_CDDB_TIMEOUT", "300");
    Configure({"--set", "NbAttempt=1"});
  }
  void TearDown() override {
    platform::SetEnvironmentValue("ORVHOST_CDDB_DEFAULT", "");
    platform::SetEnvironmentValue("ORVHOST_CDROM", "");
    platform::SetEnvironmentValue("ORVHOST_CDDB_TIMEOUT", "");
    HostRunTest::TearDown();
  }
  void Configure(std::vector<std::string> sets) {
    sets.insert(sets.begin(), {"configure", "discfetch"});
    ASSERT_EQ(Orvhost(sets).status, 0);
  }
  RunResult ImportWith(const std::string& answers) {
    host::testing::WriteFile(folder_ + "/answers.txt", answers);
    return Orvhost({"import", "discfetch", "--collection", collection_, "--answers",
                    folder_ + "/answers.txt", "--trace"});
  }
  std::vector<std::string> Ops(const RunResult& run) {
    std::vector<std::string> ops;
    for (const std::string& line : run.OutLines()) {
      ops.push_back(JsonField(line, "op") + ":" + JsonField(line, "result"));
    }
    return ops;
  }

  testing::FakeCddbServer server_;
};

TEST_F(HostImport, FoundAndNotFoundDiscsBecomeItems) {
  Configure({"--set", "CreateNotFound=1"});
  const RunResult run = ImportWith("dialog 130 press 3002 press 3002 ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Ops(run),
            (std::vector<std::string>{"\"Configure\":1", "\"GetInfo\":", "\"Open\":1",
                                      "\"GetCount\":2", "\"ProcessItem\":1", "\"ProcessItem\":1",
                                      "\"ProcessItem\":-1", "\"Close\":1"}));
  const std::vector<std::string> lines = run.OutLines();
  const std::string found = ItemObject(lines[4]);
  EXPECT_EQ(JsonField(found, "title"), "\"Tostaky\"");
  EXPECT_EQ(JsonField(found, "author"), "\"Noir Désir\"") << "Latin-1 entry text in UTF-8";
  EXPECT_EQ(JsonField(found, "year"), "1992");
  EXPECT_EQ(JsonField(found, "comment"), "\"01 - Un (00:03:28)\\\\n02 - Deux (00:03:31)\\\\n\"");
  EXPECT_EQ(JsonField(lines[4], "itemKind"), "2");
  EXPECT_EQ(JsonField(ItemObject(lines[5]), "title"), "\"CD 002\"");
  EXPECT_EQ(JsonField(lines[1], "category"), "2");
  EXPECT_EQ(JsonField(lines[1], "sourceKind"), "2");
}

TEST_F(HostImport, PerTitleRunWithRetryAndIgnore) {
  Configure({"--set", "CreateTitles=1"});
  server_.Script("read", {{"500 busy\r\n"}, {"500 busy\r\n"}});
  const RunResult run = ImportWith("dialog 130 press 3002 ok\nmsgbox retry\nmsgbox ignore\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Ops(run), (std::vector<std::string>{"\"Configure\":1", "\"GetInfo\":", "\"Open\":1",
                                                "\"GetCount\":4", "\"ProcessItem\":0",
                                                "\"ProcessItem\":-1", "\"Close\":1"}));
}

TEST_F(HostImport, PerTitleRunAfterARetry) {
  Configure({"--set", "CreateTitles=1"});
  server_.Script("read", {{"500 busy\r\n"}});
  const RunResult run = ImportWith("dialog 130 press 3002 ok\nmsgbox retry\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_EQ(lines.size(), 10u) << run.out;
  EXPECT_EQ(JsonField(lines[4], "itemKind"), "64");
  EXPECT_EQ(JsonField(ItemObject(lines[5]), "title"), "\"01 - Un\"");
  EXPECT_EQ(JsonField(ItemObject(lines[6]), "title"), "\"02 - Deux\"");
  EXPECT_EQ(JsonField(lines[7], "result"), "0");
  const RunResult listed = Orvhost({"list", "--collection", collection_});
  EXPECT_NE(listed.out.find("Tostaky"), std::string::npos) << listed.out;
}

TEST_F(HostImport, AbortAtMessage55EndsTheRun) {
  server_.Script("read", {{"500 busy\r\n"}});
  const RunResult run = ImportWith("dialog 130 press 3002 ok\nmsgbox abort\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Ops(run)[4], "\"ProcessItem\":-1");
}

TEST_F(HostImport, ThroughTheProxyTheRequestsNameTheServer) {
  // The proxy values as the host keeps them; the fake server plays the proxy.
  const std::string config = folder_ + "/config";
  platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", config);
  {
    platform::ProfileLocation where;
    where.keyPath = "Software\\Kelvard\\Orvella Premium\\Internet";
    std::vector<platform::ProfileValue> values(3);
    values[0].name = "ProxyUrl";
    values[0].text = "127.0.0.1";
    values[1].name = "ProxyPort";
    values[1].isInteger = true;
    values[1].integer = server_.Port();
    values[2].name = "ProxyUsr";
    values[2].text = "u";
    ASSERT_TRUE(platform::WriteProfileValues(where, values));
  }
  const RunResult run = ImportWith("dialog 130 press 3002 ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> requests = server_.Requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[3].rfind("GET http://" + server_.Address() +
                                  "/~cddb/cddb.cgi?cmd=cddb+read+rock+0501a302&hello=",
                              0),
            0u);
  EXPECT_NE(requests[3].find("Proxy-Authorization: Basic dTo=\r\nHost: " + server_.Address()),
            std::string::npos);
}

TEST_F(HostImport, DiscsNotImportedAreListedWithTheirReasonAtTheEnd) {
  // The first disc is refused, the second unknown: one message names both, and the run still
  // went through (exit 0), so what was imported is kept.
  server_.Script("query", {{"500 Unknown developer email\r\n"}});
  const RunResult run = ImportWith("dialog 130 press 3002 press 3002 ok\nmsgbox ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> ops = Ops(run);
  ASSERT_EQ(ops.size(), 8u);
  EXPECT_EQ(ops[4] + ops[5] + ops[6], "\"ProcessItem\":0\"ProcessItem\":0\"ProcessItem\":-1");
  EXPECT_EQ(run.err.find("no answer left"), std::string::npos) << "one message, answered";
  platform::SetEnvironmentValue("ORVHOST_CDDB_DEFAULT", "127.0.0.1:1");
  const RunResult down = ImportWith("dialog 130 press 3002 ok\n");
  ASSERT_EQ(down.status, 0) << down.err;
  EXPECT_NE(down.err.find("CD 1 : serveur injoignable (127.0.0.1:1)"), std::string::npos)
      << down.err;
}

}  // namespace
}  // namespace orv::discfetch
