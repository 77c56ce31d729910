#include "tests/auctionsearch/auction_pages.h"
#include "tests/websearch/fake_site.h"

namespace orv::testing {

void ServeAuctionSite(FakeSite& site) {
  site.Serve("/cherche?mots=timbre", Page(AuctionListPage(site.Root(), 5)));
  for (int n = 1; n <= 5; ++n) {
    const std::string price = n == 2 ? "1.234,50 EUR" : std::to_string(n) + ",50 EUR";
    site.Serve("/objet?no=" + std::to_string(n),
               Page(AuctionObjectPage("Objet " + std::to_string(n), price)));
  }
  site.Serve("/objet?no=123456&vue=complete",
             Page(AuctionObjectPage("MARIANNE DE GANDON", "12,50 EUR")));
  site.Serve("/cherche?mots=rien",
             Page("<p>Aucun objet ne correspond \xC3\xA0 votre recherche</p>"));
  site.Serve("/objet?no=999&vue=complete", Page("<p>Cet objet n'existe pas</p>"));
  site.Serve("/cherche?mots=robot", Page(BotCheckPage()));
  site.Serve("/objet?no=777&vue=complete", Page(BotCheckPage()));
}

}  // namespace orv::testing
