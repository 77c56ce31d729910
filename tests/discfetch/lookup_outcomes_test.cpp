// What a run tells apart, against the loopback fake server: no match, a server down, silent,
// refusing or talking nonsense; which discs leave the queue; the choice among matches; the
// requests today's servers expect (Host line, level 6 with a fall back to 5, the e-mail in the
// hello); the entry cache with the server stopped.
#include <gtest/gtest.h>

#include "discfetch/cddb_request.h"
#include "discfetch/default_server.h"
#include "discfetch/lookup_report.h"
#include "discfetch/xmcd_cache.h"
#include "platform/data_folder.h"
#include "platform/files.h"
#include "tests/discfetch/entry_text.h"
#include "tests/discfetch/run_fixture.h"

namespace orv::discfetch {
namespace {

using testing::Delivery;
using testing::EntryText;
using testing::Produced;
using testing::WorkedExampleTracks;

using testing::kExampleId;
constexpr const char* kAcquire = "dialog 130 press 3002 ok\n";

class Outcomes : public testing::RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    SetOptions({{"NbAttempt", 1}});
    Insert({{"a", WorkedExampleTracks()}});
  }
  // The address of a port nobody listens on.
  static std::string DeadAddress() {
    platform::TcpListener closed;
    closed.Listen(0);
    const std::string address = "127.0.0.1:" + std::to_string(closed.Port());
    closed.Close();
    return address;
  }
  void UseServer(const std::string& address) {
    platform::SetEnvironmentValue("ORVHOST_CDDB_DEFAULT", address);
  }
  LookupOutcome OnlyFailure() {
    EXPECT_EQ(filter_.Failures().size(), 1u);
    return filter_.Failures().empty() ? LookupOutcome::kNoMatch : filter_.Failures()[0].outcome;
  }
  std::vector<Produced> RunAcquiring(const std::string& more = "") {
    Answer(std::string(kAcquire) + more);
    return Run();
  }
};

TEST_F(Outcomes, AServerDownKeepsTheDiscQueuedAndTheNextRunImportsItOnce) {
  server_.AddEntry("rock", EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux"}));
  const std::string dead = DeadAddress();
  UseServer(dead);
  const std::vector<Produced> first = RunAcquiring();
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].result, 0);
  EXPECT_EQ(OnlyFailure(), LookupOutcome::kUnreachable);
  EXPECT_EQ(filter_.Failures()[0].server, dead);
  EXPECT_EQ(FailureLine(filter_.Failures()[0]), "CD 1 : serveur injoignable (" + dead + ")");
  ASSERT_EQ(filter_.Queue().Size(), 1u) << "an unreachable server drops nothing";

  UseServer(server_.Address());
  Answer("dialog 130 ok\n");
  const std::vector<Produced> produced = Run();
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].title, "Tostaky");
  EXPECT_TRUE(filter_.Failures().empty());
  EXPECT_EQ(filter_.Queue().Size(), 0u);
  EXPECT_EQ(server_.RequestCount("read"), 1u);
}

TEST_F(Outcomes, EachWayOfFailingHasItsOwnReasonAndOnlyNoMatchLeavesTheQueue) {
  struct Case {
    testing::Answer answer;
    LookupOutcome outcome;
    const char* line;
  };
  const std::vector<Case> cases = {
      {{"202 No match for disc ID 0501a302.\r\n"}, LookupOutcome::kNoMatch, "inconnu du serveur"},
      {{"", Delivery::kStall}, LookupOutcome::kNoAnswer, "pas de réponse du serveur à temps"},
      {{"", Delivery::kWhole, "429 Too Many Requests"},
       LookupOutcome::kRefused,
       "refusé par le serveur (127.0.0.1:"},
      {{"500 Unknown developer email\r\n"},
       LookupOutcome::kRefused,
       ") : 500 Unknown developer email"},
      {{"\x01\x02 garbage\r\n"}, LookupOutcome::kGarbled, "réponse illisible du serveur"},
  };
  size_t queued = 0;
  for (const Case& c : cases) {
    server_.Script("query", {c.answer});
    // The disc leaves the queue with "no match" only; the same disc is fed again after that.
    RunAcquiring();
    ASSERT_EQ(OnlyFailure(), c.outcome) << c.line;
    EXPECT_NE(FailureLine(filter_.Failures()[0]).find(c.line), std::string::npos)
        << FailureLine(filter_.Failures()[0]);
    queued = LeavesQueue(c.outcome) ? 0 : 1;
    EXPECT_EQ(filter_.Queue().Size(), queued) << c.line;
    if (queued) {
      // Empty the queue for the next case: the disc is found this time.
      server_.AddEntry("rock", EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux"}));
      Answer("dialog 130 ok\n");
      Run();
      EXPECT_EQ(filter_.Queue().Size(), 0u);
    }
  }
  // The refused hello points to the e-mail option.
  DiscFailure refused{1, LookupOutcome::kRefused, "h:80", "500 Unknown developer email"};
  EXPECT_NE(FailureReport({refused}).find("adresse e-mail"), std::string::npos);
  refused.serverLine = "503 Busy";
  EXPECT_EQ(FailureReport({refused}).find("adresse e-mail"), std::string::npos);
}

TEST_F(Outcomes, ARefusedQueryIsNotAskedAgainButASilentOneIs) {
  SetOptions({{"NbAttempt", 3}});
  server_.Script("query", {{"500 Unknown developer email\r\n"}});
  RunAcquiring();
  EXPECT_EQ(server_.RequestCount("query"), 1u) << "servers throttle those who ask twice";
  server_.Script("query", {{"", Delivery::kCloseAtOnce}, {"", Delivery::kCloseAtOnce}});
  Answer("dialog 130 ok\n");
  Run();
  EXPECT_EQ(server_.RequestCount("query"), 1u + 3u);
}

class MatchChoice : public Outcomes {
 protected:
  void SetUp() override {
    Outcomes::SetUp();
    SetOptions({{"CreateNotFound", 1}});
    server_.AddEntry("rock", EntryText(kExampleId, "Un / Premier", {"a", "b"}));
    server_.AddEntry("jazz", EntryText("0501a3ff", "Deux / Second", {"a", "b"}));
    server_.AddEntry("blues", EntryText("0501a300", "Trois / Troisieme", {"a", "b"}));
    server_.Script("query", {{"211 close matches found\r\nrock 0501a302 Un / Premier\r\n"
                              "jazz 0501a3ff Deux / Second\r\nblues 0501a300 Trois / Troisieme\r\n"
                              ".\r\n"}});
  }
};

TEST_F(MatchChoice, TheSecondMatchChosenIsTheOneRead) {
  const std::vector<Produced> produced = RunAcquiring("dialog 132 select 1 ok\n");
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].title, "Second");
  ASSERT_EQ(server_.RequestCount("read"), 1u);
  EXPECT_NE(server_.Requests().back().find("cddb+read+jazz+0501a3ff"), std::string::npos);
}

TEST_F(MatchChoice, NoneOfTheseImportsTheDiscAsNotFound) {
  const std::vector<Produced> produced = RunAcquiring("dialog 132 select 3 ok\n");
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].title, "CD 001");
  EXPECT_EQ(server_.RequestCount("read"), 0u);
  EXPECT_EQ(filter_.Queue().Size(), 0u);
}

TEST_F(MatchChoice, CancelKeepsTheDiscAndTheOptionTakesTheFirstWithoutAsking) {
  RunAcquiring("dialog 132 cancel\n");
  EXPECT_EQ(OnlyFailure(), LookupOutcome::kCancelled);
  EXPECT_EQ(filter_.Queue().Size(), 1u);
  SetOptions({{"FirstMatch", 1}});
  server_.Script("query", {{"211 close\r\nrock 0501a302 Un / Premier\r\n"
                            "jazz 0501a3ff Deux / Second\r\n.\r\n"}});
  Answer("dialog 130 ok\n");  // no dialog 132 answer: asking would cancel
  const std::vector<Produced> produced = Run();
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].title, "Premier");
}

TEST_F(Outcomes, RequestsCarryTheHostLineLevel6AndUtf8TitlesStay) {
  server_.AddEntry("misc",
                   EntryText(kExampleId, "Μίκης Θεοδωράκης / Песни", {"Ζορμπάς", "Катюша"}));
  const std::vector<Produced> produced = RunAcquiring();
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].title, "Песни");
  EXPECT_EQ(produced[0].author, "Μίκης Θεοδωράκης");
  EXPECT_NE(produced[0].comment.find("Ζορμπάς"), std::string::npos);
  ASSERT_FALSE(server_.Requests().empty());
  for (const std::string& request : server_.Requests()) {
    EXPECT_NE(request.find("\r\nHost: 127.0.0.1:" + std::to_string(server_.Port()) + "\r\n"),
              std::string::npos)
        << request;
    EXPECT_NE(request.find("&proto=6 HTTP/1.0"), std::string::npos) << request;
  }
}

TEST_F(Outcomes, AServerThatRefusesLevel6IsAskedAgainAtLevel5) {
  server_.AddEntry("rock", EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux"}));
  server_.Script("query", {{"501 Illegal protocol level.\r\n"}});
  const std::vector<Produced> produced = RunAcquiring();
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].title, "Tostaky");
  std::vector<std::string> queries;
  for (const std::string& request : server_.Requests()) {
    if (testing::CommandOf(request) == "query" || testing::CommandOf(request) == "read") {
      queries.push_back(request.substr(request.find("&proto="), 8));
    }
  }
  EXPECT_EQ(queries, (std::vector<std::string>{"&proto=6", "&proto=5", "&proto=5"}));
}

TEST_F(Outcomes, TheHelloCarriesTheEmailHalvesWhenSet) {
  EXPECT_EQ(IdentityWords("jean.dupont-x_y@mail.example.fr"),
            (std::pair<std::string, std::string>{"jean.dupont-x_y", "mail.example.fr"}));
  EXPECT_EQ(IdentityWords("jean paul+x@a b&c"),
            (std::pair<std::string, std::string>{"jean_paul_x", "a_b_c"}))
      << "nothing that would break the request line";
  EXPECT_EQ(HelloWord("pc-salon.local"), "pc_salon_local") << "without e-mail, as before";
  server_.AddEntry("rock", EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux"}));
  platform::WriteProfileValues(Section(), [] {
    std::vector<platform::ProfileValue> values = platform::ListProfileValues(Section());
    platform::ProfileValue email;
    email.name = "CddbEmail";
    email.text = "jean.dupont@mail.example.fr";
    values.push_back(email);
    return values;
  }());
  RunAcquiring();
  ASSERT_FALSE(server_.Requests().empty());
  EXPECT_NE(server_.Requests().back().find("&hello=jean.dupont+mail.example.fr+Orvella+6.4.0&"),
            std::string::npos)
      << server_.Requests().back();
}

TEST_F(Outcomes, WaitingShowsTheDiscAndTheServer) {
  std::vector<std::string> shown;
  filter_.SetActivitySink([&](const std::string& text) { shown.push_back(text); });
  server_.AddEntry("rock", EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux"}));
  RunAcquiring();
  ASSERT_GE(shown.size(), 3u);
  EXPECT_EQ(shown[0], "CD 1 : attente de la réponse de " + server_.Address());
  EXPECT_EQ(shown.back(), "") << "cleared once the disc is done";
}

TEST_F(Outcomes, TheCountAskedDuringTheRunNeverFallsBehindTheCalls) {
  // Three titles for a disc of two tracks: one call more than counted at the start.
  SetOptions({{"CreateTitles", 1}});
  server_.AddEntry("rock", EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux", "Trois"}));
  Answer(kAcquire);
  ASSERT_EQ(filter_.Configure("Orvella Premium", "Kelvard", 0), 1);
  ASSERT_EQ(filter_.Open("", nullptr, nullptr), 1);
  EXPECT_EQ(filter_.GetCount(), 4);
  int calls = 0;
  while (calls < 20) {
    MediaItem item{};
    int32_t kind = 0;
    const int32_t result = filter_.ProcessItem(item, kind);
    for (HostString* field : {&item.title, &item.type, &item.author, &item.comment}) {
      hs_release(*field);
    }
    if (result == -1) break;
    ++calls;
    EXPECT_LE(calls, filter_.GetCount()) << "call " << calls;
  }
  EXPECT_EQ(calls, 5);
  EXPECT_EQ(filter_.GetCount(), 5);
  filter_.Close();
}

TEST_F(Outcomes, TheProxyIsReadAtEveryOpenAndMayBeWrittenAsAnAddress) {
  server_.AddEntry("rock", EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux"}));
  // The fake server stands for the proxy too: it answers absolute request lines alike.
  UseServer("cddb.example:80");
  SetProxy("http://" + server_.Address() + "/", 1, "", "");
  ASSERT_EQ(RunAcquiring().size(), 1u);
  ASSERT_FALSE(server_.Requests().empty());
  EXPECT_EQ(server_.Requests().back().rfind("GET http://cddb.example/~cddb/cddb.cgi?", 0), 0u)
      << server_.Requests().back();
  // The proxy removed in the host between two runs of the same load: straight to the server.
  UseServer(server_.Address());
  Answer(kAcquire);
  ASSERT_EQ(filter_.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(filter_.Proxy().host, "127.0.0.1");
  SetProxy("", 0, "", "");
  ASSERT_EQ(filter_.Open("", nullptr, nullptr), 1);
  EXPECT_TRUE(filter_.Proxy().host.empty());
  EXPECT_EQ(server_.Requests().back().rfind("GET /~cddb/cddb.cgi?", 0), 0u);
  filter_.Close();
}

TEST(ProxyUrl, AddressesAndBareHostsAreUnderstood) {
  std::string host;
  int32_t port = 8080;
  ASSERT_TRUE(SplitProxyUrl("http://proxy.lan:3128/", host, port));
  EXPECT_EQ(host, "proxy.lan");
  EXPECT_EQ(port, 3128);
  port = 8080;
  ASSERT_TRUE(SplitProxyUrl("10.0.0.1", host, port));
  EXPECT_EQ(host, "10.0.0.1");
  EXPECT_EQ(port, 8080) << "the ProxyPort value stays";
  ASSERT_TRUE(SplitProxyUrl(" http://user:pw@proxy.lan ", host, port));
  EXPECT_EQ(host, "proxy.lan");
  EXPECT_FALSE(SplitProxyUrl("http://", host, port));
}

class Cache : public Outcomes {
 protected:
  void SetCache(int mode) { SetOptions({{"CddbCache", mode}}); }
  std::string Folder() { return platform::FilterDataFolder("discfetch"); }
};

TEST_F(Cache, CacheOnlyWithTheServerStoppedGivesTheSameItems) {
  SetOptions({{"CreateTitles", 1}});
  SetCache(kCacheFirst);
  server_.AddEntry("rock", EntryText(kExampleId, "Noir D\xc3\xa9sir / Tostaky", {"Un", "Deux"},
                                     "DYEAR=1992\nDGENRE=Rock\n"));
  const std::vector<Produced> online = RunAcquiring();
  ASSERT_EQ(online.size(), 4u);
  EXPECT_TRUE(platform::IsRegularFile(Folder() + "/rock-0501a302.xmcd"));

  SetCache(kCacheOnly);
  UseServer(DeadAddress());
  const size_t asked = server_.Requests().size();
  const std::vector<Produced> offline = RunAcquiring();
  EXPECT_EQ(server_.Requests().size(), asked) << "no network at all";
  ASSERT_EQ(offline.size(), online.size());
  for (size_t i = 0; i < online.size(); ++i) {
    EXPECT_EQ(offline[i].title, online[i].title);
    EXPECT_EQ(offline[i].author, online[i].author);
    EXPECT_EQ(offline[i].type, online[i].type);
    EXPECT_EQ(offline[i].length, online[i].length);
    EXPECT_EQ(offline[i].kind, online[i].kind);
  }
}

TEST_F(Cache, TruncatedAndBinaryFilesAreSkipped) {
  SetCache(kCacheOnly);
  const std::string whole = EntryText(kExampleId, "Noir / Tostaky", {"Un", "Deux"});
  ASSERT_FALSE(Folder().empty());
  ASSERT_TRUE(platform::WriteWholeFile(Folder() + "/blues-0501a302.xmcd", whole.substr(0, 120)));
  ASSERT_TRUE(platform::WriteWholeFile(Folder() + "/data-0501a302.xmcd",
                                       std::string("\x00\xff\xfe\x01xmcd", 9)));
  ASSERT_TRUE(platform::WriteWholeFile(Folder() + "/Foreign Name-0501a302.xmcd", whole));
  RunAcquiring();
  EXPECT_EQ(OnlyFailure(), LookupOutcome::kNotCached);
  EXPECT_EQ(filter_.Queue().Size(), 1u);

  // A good file among them is found; one that names another disc is not taken.
  ASSERT_TRUE(platform::WriteWholeFile(Folder() + "/jazz-0501a302.xmcd",
                                       EntryText("99999999", "Autre / Disque", {"x", "y"})));
  ASSERT_TRUE(platform::WriteWholeFile(Folder() + "/rock-0501a302.xmcd", whole));
  Answer("dialog 130 ok\n");
  const std::vector<Produced> produced = Run();
  ASSERT_EQ(produced.size(), 1u);
  EXPECT_EQ(produced[0].title, "Tostaky");
  EXPECT_EQ(server_.Requests().size(), 0u);
}

}  // namespace
}  // namespace orv::discfetch
