// Every way a CDDB server can fail the client, against the loopback fake server: silence, a
// connection closed early or at once, an answer that never ends, garbage, one byte at a time
// for longer than anyone waits, an unreachable server. Each ends the command with its error and
// then the run with its documented result (a query that fails is a disc not found; a read that
// fails asks message 55) within its bound: the time-out without data, kAnswerTimeouts time-outs
// for the whole answer, kMaxAnswerBytes for its size. The time-out is 300 ms here; ceilings are
// generous so a loaded machine cannot make them flake.
#include <gtest/gtest.h>

#include <chrono>

#include "discfetch/cddb_answer.h"
#include "discfetch/lookup_report.h"
#include "tests/discfetch/entry_text.h"
#include "tests/discfetch/fake_cddb_server.h"
#include "tests/discfetch/run_fixture.h"
#include "tests/discfetch/test_client.h"

namespace orv::discfetch {
namespace {

using testing::Delivery;
using testing::EntryText;
using testing::Produced;

constexpr uint32_t kTimeoutMs = 300;
// Far above any bound these tests reach (1.5 s for a whole answer), far below a hang.
constexpr auto kCeiling = std::chrono::seconds(30);

class ClientFaults : public ::testing::Test {
 protected:
  ClientFaults() {
    client_.SetClient("Orvella", "6.4.0");
    client_.SetTimeout(kTimeoutMs);
    site_.host = "127.0.0.1";
    site_.port = server_.Port();
    server_.AddEntry("rock", EntryText("0501a302", "Noir / Tostaky", {"Un", "Deux"}));
  }

  bool Query() {
    return client_.QueryDisc(site_, testing::kTestDiscId, testing::kTestToc, matches_);
  }
  bool Read() { return client_.ReadEntry(site_, "rock", testing::kTestDiscId, entry_); }
  // The command's result and error, checked to come within the ceiling.
  template <typename Command>
  CddbError Failing(Command command) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(command());
    EXPECT_LT(std::chrono::steady_clock::now() - start, kCeiling);
    return client_.LastError();
  }

  testing::FakeCddbServer server_;
  testing::TestClient client_;
  CddbSite site_;
  std::vector<QueryMatch> matches_;
  DiscEntry entry_;
};

TEST_F(ClientFaults, SilenceFailsAfterTheTimeoutEvenWithTheConnectionOpen) {
  server_.Script("read", {{"", Delivery::kStall}});
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kTimedOut);
  server_.Script("read", {{EntryText("0501a302", "A / B", {"x"}), Delivery::kStallMidway}});
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kTimedOut);
  server_.Script("query", {{"", Delivery::kStall}});
  EXPECT_EQ(Failing([&] { return Query(); }), CddbError::kTimedOut) << "single-line mode too";
}

TEST_F(ClientFaults, ConnectionsClosedBeforeTheAnswerIsWholeAreBroken) {
  server_.Script("query", {{"211 close\r\nrock 1 A / B\r\n.\r\n", Delivery::kCloseEarly}});
  EXPECT_EQ(Failing([&] { return Query(); }), CddbError::kBroken);
  server_.Script("read", {{"", Delivery::kCloseAtOnce}});
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kBroken);
}

TEST_F(ClientFaults, ASlowDripIsCutAtTheBoundOfTheWholeAnswer) {
  // One byte every 40 ms never leaves the client 300 ms without data; the entry would take
  // about 20 s to come. The client gives up after 5 time-outs, 1.5 s.
  server_.Script("read", {{EntryText("0501a302", "Noir / Tostaky", {"Un", "Deux"}) + ".\r\n",
                           Delivery::kSlowDrip}});
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kTooSlow);
  EXPECT_TRUE(Read()) << "the next command starts afresh";
}

TEST_F(ClientFaults, AnswersPastTheCapFail) {
  std::string huge = "210 rock 0501a302 entry follows\r\n";
  while (huge.size() <= kMaxAnswerBytes) huge += "# padding padding padding padding\r\n";
  server_.Script("read", {{huge + ".\r\n"}});
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kTooLarge);
  // A server that sends for ever: the client stops at the cap, not at the end of its patience.
  server_.Script("read", {{"210 rock 0501a302 entry follows\r\n# more\r\n", Delivery::kEndless}});
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kTooLarge);
  server_.Script("query", {{"211 close\r\nrock 1 A / B\r\n", Delivery::kEndless}});
  EXPECT_EQ(Failing([&] { return Query(); }), CddbError::kTooLarge);
}

TEST_F(ClientFaults, GarbageIsAProtocolErrorOrNeverCompletes) {
  server_.Script("read", {{"<html><body>Service indisponible</body></html>\r\n.\r\n"},
                          {"\x01\x02\xff garbage without lines"},
                          {std::string("\0\0\0\0\r\n.\r\n", 9)}});
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kProtocol);
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kBroken) << "closed without a terminator";
  EXPECT_EQ(Failing([&] { return Read(); }), CddbError::kProtocol);
  server_.Script("query", {{"\x01\x02\r\n"}, {"2\r\n"}});
  EXPECT_EQ(Failing([&] { return Query(); }), CddbError::kProtocol);
  EXPECT_EQ(Failing([&] { return Query(); }), CddbError::kProtocol) << "shorter than a code";
}

TEST_F(ClientFaults, UnreachableServersFailQuickly) {
  site_.host = "";
  EXPECT_EQ(Failing([&] { return Query(); }), CddbError::kUnresolved);
  // A port nobody listens on: the connection is refused at once.
  platform::TcpListener closed;
  ASSERT_TRUE(closed.Listen(0));
  site_.host = "127.0.0.1";
  site_.port = closed.Port();
  closed.Close();
  EXPECT_EQ(Failing([&] { return Query(); }), CddbError::kUnreachable);
}

// The same faults seen by an import run: the disc is not found, or message 55 is asked.
class RunFaults : public testing::RunTest {
 protected:
  static std::vector<int32_t> Results(const std::vector<Produced>& produced) {
    std::vector<int32_t> results;
    for (const Produced& p : produced) results.push_back(p.result);
    return results;
  }
};

TEST_F(RunFaults, FailedQueriesCostTheirAttemptsThenTheDiscWaitsForTheNextRun) {
  SetOptions({{"NbAttempt", 4}, {"CreateNotFound", 1}});
  Insert({{"a", testing::WorkedExampleTracks()}});
  server_.AddEntry("rock", EntryText("0501a302", "Noir / Tostaky", {"Un", "Deux"}));
  server_.Script("query", {{"", Delivery::kStall},
                           {"211 x\r\nrock 0501a302 A\r\n", Delivery::kCloseEarly},
                           {"211 x\r\nrock 0501a302 A\r\n", Delivery::kSlowDrip},
                           {"211 x\r\nrock 0501a302 A\r\n", Delivery::kEndless}});
  Answer("dialog 130 press 3002 ok\n");
  const auto start = std::chrono::steady_clock::now();
  const std::vector<Produced> produced = Run();
  EXPECT_LT(std::chrono::steady_clock::now() - start, kCeiling);
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].result, 0) << "a server that fails is not a disc it does not know";
  EXPECT_EQ(server_.RequestCount("query"), 4u);
  EXPECT_EQ(filter_.Queue().Size(), 1u);
  ASSERT_EQ(filter_.Failures().size(), 1u);
  EXPECT_EQ(filter_.Failures()[0].outcome, LookupOutcome::kGarbled) << "the last: too large";
}

TEST_F(RunFaults, AFailedReadAsksMessage55AndIgnoreSkipsTheDisc) {
  SetOptions({{"NbAttempt", 1}});
  Insert({{"a", testing::WorkedExampleTracks()}});
  server_.AddEntry("rock", EntryText("0501a302", "Noir / Tostaky", {"Un", "Deux"}));
  const char* acquire = "dialog 130 press 3002 ok\n";  // the first run puts the disc in
  for (Delivery fault : {Delivery::kSlowDrip, Delivery::kEndless, Delivery::kCloseAtOnce}) {
    server_.Script("read", {{"210 rock 0501a302\r\n# xmcd\r\n", fault}});
    Answer(std::string(acquire) + "msgbox ignore\n");
    acquire = "dialog 130 ok\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Results(Run()), (std::vector<int32_t>{0})) << static_cast<int>(fault);
    EXPECT_LT(std::chrono::steady_clock::now() - start, kCeiling);
    EXPECT_EQ(filter_.Queue().Size(), 1u) << "the skipped disc stays queued";
  }
  // Garbage, then the real answer after Retry.
  server_.Script("read", {{"\x01\x02 garbage\r\n.\r\n"}});
  Answer("dialog 130 ok\nmsgbox retry\n");
  const std::vector<Produced> produced = Run();
  ASSERT_EQ(Results(produced), (std::vector<int32_t>{1}));
  EXPECT_EQ(produced[0].title, "Tostaky");
}

}  // namespace
}  // namespace orv::discfetch
