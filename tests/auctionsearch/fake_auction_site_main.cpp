// The fake auction site as a program of its own, for the Windows tests under Wine.
#include "tests/auctionsearch/auction_pages.h"
#include "tests/websearch/fake_site.h"

int main() {
  orv::testing::FakeSite site;
  orv::testing::ServeAuctionSite(site);
  return orv::testing::ServeUntilKilled(site);
}
