// orvhost collection: settings, and the proxy also where the host keeps it for the filters
// that read it from the profile.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class CollectionTest : public HostRunTest {
 protected:
  RunResult Collection(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"collection", "--collection", collection_};
    args.insert(args.end(), extra.begin(), extra.end());
    return Orvhost(args);
  }
  std::string Internet() const {
    return ReadFile(folder_ + "/config/registry/software/kelvard/orvella premium/internet.reg");
  }
};

TEST_F(CollectionTest, TheProxyGoesToTheHostsProfileValuesToo) {
  const RunResult fresh = Collection({});
  ASSERT_EQ(fresh.status, 0) << fresh.err;
  EXPECT_THAT(fresh.out, HasSubstr("\nproxy: none\n"));
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/config"));

  const RunResult set =
      Collection({"--proxy", "proxy.local:3128", "--proxy-user", "zoé", "--proxy-password", "p w"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_THAT(set.out, HasSubstr("\nproxy: proxy.local:3128\nproxy-user: zoé\n"));
  EXPECT_THAT(set.out, HasSubstr("\nproxy-password: (set)\n"));
  std::string values = Internet();
  EXPECT_THAT(values, HasSubstr("\nProxyUrl=sz:proxy.local\n"));
  EXPECT_THAT(values, HasSubstr("\nProxyPort=dword:3128\n"));  // a number, as the host keeps it
  EXPECT_THAT(values, HasSubstr("\nProxyUsr=sz:zoé\n"));
  EXPECT_THAT(values, HasSubstr("\nProxyPwd=sz:p w\n"));

  // An empty user is stored as empty; the other values stay.
  ASSERT_EQ(Collection({"--proxy-user", ""}).status, 0);
  values = Internet();
  EXPECT_THAT(values, HasSubstr("\nProxyUsr=sz:\n"));
  EXPECT_THAT(values, HasSubstr("\nProxyUrl=sz:proxy.local\n"));

  // No proxy: all four go, from the collection as from the profile.
  const RunResult none = Collection({"--proxy", ""});
  ASSERT_EQ(none.status, 0) << none.err;
  EXPECT_THAT(none.out, HasSubstr("\nproxy: none\n"));
  EXPECT_THAT(none.out, Not(HasSubstr("proxy-user")));
  values = Internet();
  for (const char* name : {"ProxyUrl", "ProxyPort", "ProxyUsr", "ProxyPwd"}) {
    EXPECT_THAT(values, Not(HasSubstr(name)));
  }
  SetOption("Echo", "1");
  const RunResult echoed = Import({"--trace"});
  EXPECT_EQ(JsonField(ItemObject(echoed.OutLines()[4]), "coauthor"), "\"\"");
  EXPECT_EQ(JsonField(ItemObject(echoed.OutLines()[4]), "chap"), "0");
}

TEST_F(CollectionTest, NoProxyTakesNoCredentials) {
  const RunResult r = Collection({"--proxy", "", "--proxy-user", "u"});
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(std::filesystem::exists(collection_));
}

}  // namespace
}  // namespace orv::host::testing
