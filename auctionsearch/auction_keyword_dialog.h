// The keyword dialog (1001) of the auction search: keywords or an object number, a category
// and a sort order (both start with nothing chosen), and the titles-and-descriptions box.
#ifndef ORV_AUCTIONSEARCH_AUCTION_KEYWORD_DIALOG_H
#define ORV_AUCTIONSEARCH_AUCTION_KEYWORD_DIALOG_H

#include <vector>

#include "auctionsearch/auction_address.h"
#include "auctionsearch/auction_params.h"
#include "websearch/keyword_dialog.h"

namespace orv::auctionsearch {

class AuctionKeywordDialog : public websearch::KeywordDialog {
 public:
  AuctionKeywordDialog(websearch::SiteFile parameters, bool titlesAndDescriptions);

  void OnInit(ui::DialogModel& model) override;
  // The search the user asked for (once OK was accepted).
  const AuctionQuery& Query() const { return query_; }

 protected:
  void Accepted(const ui::DialogModel& model) override;

 private:
  websearch::SiteFile parameters_;
  std::vector<Choice> types_, sorts_;
  AuctionQuery query_;
};

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_AUCTION_KEYWORD_DIALOG_H
