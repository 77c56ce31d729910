#include "auctionsearch/auctionsearch_filter.h"

#include "auctionsearch/auction_address.h"
#include "auctionsearch/auction_hits.h"
#include "auctionsearch/auction_item.h"
#include "auctionsearch/auction_keyword_dialog.h"
#include "auctionsearch/resource_ids.h"
#include "contract/list_piece.h"
#include "platform/clock.h"
#include "platform/resources.h"
#include "websearch/hit_list_dialog.h"
#include "websearch/messages.h"
#include "websearch/web_ids.h"

namespace orv::auctionsearch {

using websearch::FormatText;

namespace {

constexpr int kSearchAttempts = 9;
constexpr int kMaxNotFoundTexts = 99;

}  // namespace

AuctionSearchFilter::AuctionSearchFilter()
    : WebSearchFilter(ORV_CATEGORY_COLLECTIBLE, "Result page returned (550 chars) :\n", 550),
      table_(MakeOptionTable(options_, Web())) {}

std::unique_ptr<ui::DialogLogic> AuctionSearchFilter::MakeOptionsDialog() {
  return std::make_unique<websearch::WebOptionsDialog>(table_, Web(), Site(), kIdMaxResults,
                                                       options_.maxResults);
}

bool AuctionSearchFilter::LoadSite() {
  std::optional<AuctionParameters> parameters = LoadAuctionParameters(Site());
  if (!parameters) return false;
  parameters_ = std::move(*parameters);
  return true;
}

bool AuctionSearchFilter::FoundNothing(const std::string& page) const {
  bool nothing = false;
  WalkList(parameters_.searchNotFound, "|", EmptyPiece::kDefaultText,
           [&](int index, const std::string& piece) {
             nothing = page.find(piece) != std::string::npos;
             return !nothing && index < kMaxNotFoundTexts;
           });
  return nothing;
}

websearch::WebSearchFilter::Found AuctionSearchFilter::Search() {
  Found found;
  AuctionKeywordDialog dialog(Site(), options_.titlesAndDesc != 0);
  if (ui::RunModalDialog(websearch::kDialogKeywords, dialog) != ui::DialogResult::kOk) {
    return found;  // "Arrêter": the run ends
  }
  const AuctionQuery& query = dialog.Query();
  const std::string address = SearchAddress(parameters_, query, options_.webRoot);
  Debug(FormatText("SearchURL=%s", address.c_str()));
  std::string page;
  if (!FetchPage(address, kSearchAttempts, page)) return found;
  Debug("Search page returned (550 chars) :\n" + websearch::FirstCharacters(page, 550));
  if (FoundNothing(page)) return EndWith(websearch::NoHit(address));
  // A page without the object's title (a bot check, a changed site) ends the run in the
  // engine: it would make an item of nothing.
  if (query.byNumber) return ResultPage(std::move(page), address);
  const std::vector<AuctionHit> hits =
      ScanAuctionHits(page, parameters_, options_.maxResults, Rules(),
                      platform::LoadResourceString(websearch::kStringUntitled),
                      [&](int number, const AuctionHit& hit) {
                        Debug(FormatText(
                            "item number:%d\nitem title=%s\nitem url=%s\nitem price=%s\nitem "
                            "timeleft=%s",
                            number, hit.name.c_str(), hit.address.c_str(), hit.price.c_str(),
                            hit.timeLeft.c_str()));
                      });
  if (hits.empty()) {
    // A list whose hit markers are absent is a changed site (or a refusal), not an empty list.
    std::string missing;
    if (!parameters_.listFound.empty() && page.find(parameters_.listFound) == std::string::npos) {
      missing = websearch::MarkerName("ListFound", parameters_.listFound);
    } else if (page.find(parameters_.block.start) == std::string::npos) {
      missing = websearch::MarkerName("Item_String_Start", parameters_.block.start);
    }
    if (!missing.empty()) return EndWith(websearch::PageFailure(address, page, missing));
    return EndWith(websearch::NoHit(address));
  }
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> addresses;
  for (const AuctionHit& hit : hits) {
    rows.push_back({hit.name, hit.price, hit.timeLeft});
    addresses.push_back(hit.address);
  }
  const std::vector<ui::ListColumn> columns =
      websearch::ListColumns(platform::LoadResourceString(websearch::kStringHitColumns), "|", 3);
  return ChooseHits(columns, std::move(rows), addresses);
}

void AuctionSearchFilter::FillItem(MediaItem& item, const std::string& page) {
  FillAuctionItem(item, page, parameters_, Rules(),
                  platform::LocalTime(platform::Now()).tm_year + 1900);
}

std::string AuctionSearchFilter::Confirmation(const MediaItem& item) {
  const std::string format = platform::LoadResourceString(websearch::kStringConfirm);
  return FormatText(format.c_str(), StringOf(item.title).c_str(), StringOf(item.lang).c_str(),
                    static_cast<double>(item.price));
}

}  // namespace orv::auctionsearch
