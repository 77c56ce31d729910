#include "auctionsearch/auction_hits.h"

#include <algorithm>

namespace orv::auctionsearch {

using websearch::ExtractBetween;

std::vector<AuctionHit> ScanAuctionHits(std::string_view page, const AuctionParameters& p,
                                        int maxResults, const websearch::ExtractionRules& rules,
                                        std::string_view untitled,
                                        const std::function<void(int, const AuctionHit&)>& shown) {
  std::vector<AuctionHit> hits;
  std::string_view scan = page;
  const size_t listStart = p.listFound.empty() ? std::string_view::npos : scan.find(p.listFound);
  if (listStart != std::string_view::npos) scan.remove_prefix(listStart);
  // An address is used as it is found, and a block is searched again: neither has its
  // capitals repaired.
  websearch::ExtractionRules asIs = rules;
  asIs.fixCapitals = false;
  while (true) {
    const size_t s = scan.find(p.block.start);
    // The block is raw HTML searched again for markers: capitals repaired there would hide
    // them (an all-capitals hit list would give no hit).
    const std::string block = ExtractBetween(scan, p.block.start, p.block.end, false, asIs);
    // The next block is looked for past this one (each pass shortens the scan text).
    if (!block.empty() && s != std::string_view::npos) {
      scan.remove_prefix(std::min(scan.size(), s + block.size()));
    }
    AuctionHit hit;
    hit.address = ExtractBetween(block, p.link.start, p.link.end, true, asIs);
    if (!hit.address.empty()) {
      hit.name = ExtractBetween(block, p.title.start, p.title.end, true, rules);
      if (hit.name.empty()) hit.name = std::string(untitled);
      hit.price = ExtractBetween(block, p.price.start, p.price.end, true, rules);
      hit.timeLeft = ExtractBetween(block, p.time.start, p.time.end, true, rules);
      hits.push_back(hit);
    }
    if (shown && !hits.empty()) shown(static_cast<int>(hits.size()), hits.back());
    if (hit.address.empty() || static_cast<int>(hits.size()) >= maxResults) break;
  }
  return hits;
}

}  // namespace orv::auctionsearch
