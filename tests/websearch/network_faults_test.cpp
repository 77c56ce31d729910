// Every way a web site can fail the web client, against the loopback fake site: a transfer cut
// short, silence, a connection closed at once, garbage instead of HTTP, a page that never ends,
// one byte at a time for longer than anyone waits, a server that is not there. Each fetch gives
// 0 with a status text that says why, within its bound: the idle time without data, the whole
// page's time (kWholePageTimeouts idle times), kMaxPageBytes for its size. The idle time is
// 400 ms here; ceilings are generous so a loaded machine cannot make them flake.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/page_fetch.h"
#include "platform/process.h"
#include "platform/tcp.h"
#include "tests/websearch/fake_site.h"

namespace orv::platform {
namespace {

using orv::testing::FakeResponse;
using orv::testing::FakeSite;
using orv::testing::Page;

constexpr auto kCeiling = std::chrono::seconds(30);

FakeResponse Faulty(FakeResponse::Fault fault, std::string body = std::string(10000, 'a')) {
  FakeResponse response = Page(std::move(body));
  response.fault = fault;
  return response;
}

class WebFaults : public ::testing::Test {
 protected:
  void SetUp() override { SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "400"); }
  void TearDown() override { SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", ""); }

  // The fetch of `path` fails within the ceiling with nothing kept; its status text.
  std::string Failing(const std::string& path) {
    WebPage page;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client_.FetchPage(site_.Root() + path, page, ""), 0) << path;
    EXPECT_LT(std::chrono::steady_clock::now() - start, kCeiling) << path;
    EXPECT_TRUE(page.bytes.empty()) << path;
    EXPECT_FALSE(client_.StatusText().empty()) << path;
    return client_.StatusText();
  }

  FakeSite site_;
  WebClient client_;
};

TEST_F(WebFaults, CutClosedAndGarbledTransfersFail) {
  site_.Serve("/coupe", Faulty(FakeResponse::Fault::kCut));
  site_.Serve("/fermee", Faulty(FakeResponse::Fault::kClose));
  site_.Serve("/charabia", Faulty(FakeResponse::Fault::kGarbage, "\x01\x02\xff garbage\r\n\r\n"));
  Failing("/coupe");
  Failing("/fermee");
  Failing("/charabia");
  WebPage page;
  site_.Serve("/film", Page("de retour"));
  EXPECT_EQ(client_.FetchPage(site_.Root() + "/film", page, ""), 1) << "the session survives";
}

TEST_F(WebFaults, SilenceFailsAfterTheIdleTime) {
  site_.Serve("/bloque", Faulty(FakeResponse::Fault::kStall));
  EXPECT_EQ(Failing("/bloque"), "The server sent nothing for 400 ms");
}

TEST_F(WebFaults, ASlowDripIsCutAtTheBoundOfTheWholePage) {
  // A byte every 20 ms keeps the idle time from ever running out; the page would take 200 s.
  site_.Serve("/goutte", Faulty(FakeResponse::Fault::kDrip));
  EXPECT_EQ(CurrentWebTimeouts().wholeMs, 400 * kWholePageTimeouts);
  EXPECT_EQ(Failing("/goutte"), TooSlowText(400 * kWholePageTimeouts));
}

TEST_F(WebFaults, PagesPastTheCapFailEvenWhenTheyNeverEnd) {
  // Time enough to receive the cap's worth, so that the cap is what stops it.
  SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "10000");
  site_.Serve("/enorme", Page(std::string(kMaxPageBytes + 1, 'x')));
  site_.Serve("/sans-fin", Faulty(FakeResponse::Fault::kEndless, "<p>encore</p>"));
  const std::string tooLarge = "The page is larger than 32 MiB";
  EXPECT_EQ(Failing("/enorme"), tooLarge);
  EXPECT_EQ(Failing("/sans-fin"), tooLarge);
}

TEST_F(WebFaults, AServerThatIsNotThereFailsAtOnce) {
  TcpListener closed;
  ASSERT_TRUE(closed.Listen(0));
  const std::string address = "http://127.0.0.1:" + std::to_string(closed.Port()) + "/";
  closed.Close();
  WebPage page;
  EXPECT_EQ(client_.FetchPage(address, page, ""), 0);
  EXPECT_FALSE(client_.StatusText().empty());
}

}  // namespace
}  // namespace orv::platform
