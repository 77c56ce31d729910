// The web client against the loopback fake site: pages, error statuses, redirects, large pages,
// the proxy. Broken transfers are in network_faults_test.cpp.
#include "platform/page_fetch.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/process.h"
#include "tests/websearch/fake_site.h"

namespace orv::platform {
namespace {

using orv::testing::FakeResponse;
using orv::testing::FakeSite;
using orv::testing::Page;

class PageFetch : public ::testing::Test {
 protected:
  void SetUp() override { SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "400"); }
  FakeSite site_;
  WebClient client_;
};

TEST_F(PageFetch, PageWithItsTypeAndTheAgent) {
  site_.Serve("/recherche?q=a+b", Page("<html>liste</html>", "text/html; charset=UTF-8"));
  WebPage page;
  ASSERT_EQ(client_.FetchPage(site_.Root() + "/recherche?q=a+b", page, "Agent/1.0"), 1);
  EXPECT_EQ(page.bytes, "<html>liste</html>");
  EXPECT_EQ(page.contentType, "text/html; charset=UTF-8");
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(client_.StatusText(), "");
  ASSERT_EQ(site_.Requests().size(), 1u);
  EXPECT_NE(site_.Requests()[0].headers.find("User-Agent: Agent/1.0"), std::string::npos);
}

TEST_F(PageFetch, ErrorStatusesAreFailedFetches) {
  FakeResponse broken = Page("<html>erreur</html>");
  broken.status = 500;
  site_.Serve("/panne", broken);
  WebPage page;
  EXPECT_EQ(client_.FetchPage(site_.Root() + "/absent", page, ""), 0);
  EXPECT_EQ(page.status, 404);
  EXPECT_NE(client_.StatusText().find("404"), std::string::npos);
  EXPECT_EQ(client_.FetchPage(site_.Root() + "/panne", page, ""), 0);
  EXPECT_EQ(page.status, 500);
  // The error page stays: it may say that the site refuses robots.
  EXPECT_EQ(page.bytes, "<html>erreur</html>");
}

// A page or a picture named by a local file or an FTP address, or a redirect to one, reads
// nothing: only http and https are fetched, whatever their case.
TEST_F(PageFetch, OnlyHttpAndHttpsAreFetchedAlsoAfterARedirect) {
  const std::string secret = ::testing::TempDir() + "/orv_page_fetch_secret.txt";
  ASSERT_TRUE(WriteWholeFile(secret, "secret"));
  FakeResponse moved;
  moved.status = 302;
  moved.location = "file://" + secret;
  site_.Serve("/vers-fichier", moved);
  moved.location = "ftp://127.0.0.1:" + std::to_string(site_.Port()) + "/x";
  site_.Serve("/vers-ftp", moved);
  site_.Serve("/ok", Page("ok"));
  WebPage page;
  for (const std::string& address :
       {"file://" + secret, "FILE://" + secret, std::string("ftp://127.0.0.1/x"),
        site_.Root() + "/vers-fichier", site_.Root() + "/vers-ftp"}) {
    EXPECT_EQ(client_.FetchPage(address, page, ""), 0) << address;
    EXPECT_EQ(page.bytes.find("secret"), std::string::npos) << address;
    EXPECT_FALSE(client_.StatusText().empty());
  }
  EXPECT_NE(client_.StatusText().find("ftp"), std::string::npos) << client_.StatusText();
  EXPECT_EQ(client_.FetchPage("HTTP" + site_.Root().substr(4) + "/ok", page, ""), 1);
  EXPECT_EQ(page.bytes, "ok");
}

TEST_F(PageFetch, RedirectsAreFollowedAndLargePagesReadWhole) {
  FakeResponse moved;
  moved.status = 302;
  moved.location = "/nouvelle";
  site_.Serve("/ancienne", moved);
  site_.Serve("/nouvelle", Page("arrivée"));
  const std::string big(6 * 1024 * 1024 + 17, 'x');
  site_.Serve("/grande", Page(big));
  WebPage page;
  ASSERT_EQ(client_.FetchPage(site_.Root() + "/ancienne", page, ""), 1);
  EXPECT_EQ(page.bytes, "arrivée");
  EXPECT_EQ(site_.Paths(), (std::vector<std::string>{"/ancienne", "/nouvelle"}));
  ASSERT_EQ(client_.FetchPage(site_.Root() + "/grande", page, ""), 1);
  EXPECT_EQ(page.bytes.size(), big.size());
}

TEST_F(PageFetch, TheHostsProxyAndItsLogin) {
  site_.Serve("/film", Page("par le proxy"));
  client_.SetProxy("127.0.0.1", static_cast<uint16_t>(site_.Port()), true);
  client_.SetProxyLogin("u", "secret");
  WebPage page;
  ASSERT_EQ(client_.FetchPage("http://films.invalid/film", page, ""), 1);
  EXPECT_EQ(page.bytes, "par le proxy");
  ASSERT_EQ(site_.Requests().size(), 1u);
  EXPECT_EQ(site_.Requests()[0].target, "http://films.invalid/film");
  // "u:secret" in Basic form.
  EXPECT_NE(site_.Requests()[0].headers.find("Proxy-Authorization: Basic dTpzZWNyZXQ="),
            std::string::npos);
  // Dropping the proxy reaches the site itself from then on.
  client_.SetProxy("", 0, false);
  EXPECT_EQ(client_.FetchPage("http://films.invalid/film", page, ""), 0);
  EXPECT_EQ(site_.Requests().size(), 1u);
}

}  // namespace
}  // namespace orv::platform
