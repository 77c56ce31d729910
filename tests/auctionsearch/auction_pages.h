// The fake auction site's pages and the parameter file that reads them: shared by the
// in-process runs, the orvhost runs and the fake site program of the Windows tests.
#ifndef ORV_TESTS_AUCTIONSEARCH_AUCTION_PAGES_H
#define ORV_TESTS_AUCTIONSEARCH_AUCTION_PAGES_H

#include <string>

namespace orv::testing {

// The parameter file (UTF-8); its addresses use "%EBAY%" for the site's host and port.
std::string AuctionParameterFile();

// A list page of `count` objects: object n (from 1) links to `root`/objet?no=n, is named
// "Objet n", costs n,50 EUR and ends in n jours.
std::string AuctionListPage(const std::string& root, int count);

// An object's page: every value of the ITEM section, the price as given.
std::string AuctionObjectPage(const std::string& title, const std::string& price);

// A page that asks whether the visitor is a robot: neither a list nor an object.
std::string BotCheckPage();

class FakeSite;
// "timbre" gives a list of 5, objects 1 to 5 (object 2 at 1.234,50 EUR), object pages by
// number, the two not-found pages ("rien", object 999) and a bot check ("robot", object 777).
void ServeAuctionSite(FakeSite& site);

}  // namespace orv::testing

#endif  // ORV_TESTS_AUCTIONSEARCH_AUCTION_PAGES_H
