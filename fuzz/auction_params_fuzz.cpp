// auctionsearch's parameter file, as a person may have edited it: loaded the way Open loads it,
// the category and sort lists of the keyword dialog, and the search addresses made from it for
// keywords and for an object number. Read through the profile store from a file, as the filter
// reads it.
//
// Input: the file, then (after a byte 0xFF) the keywords, the web root and the dialog's
// choices; a bare parameter file is a whole input. Seeds: samples/sites and the tests' file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "auctionsearch/auction_address.h"
#include "auctionsearch/auction_params.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::auctionsearch;
  static const orv::fuzz::ScratchFile scratch(".ini");
  orv::fuzz::FuzzInput input(data, size);
  scratch.Write(input.Piece());
  AuctionQuery query;
  query.keywords = std::string(input.Piece());
  const std::string webRoot(input.Piece());
  const uint8_t choices = input.Byte();
  query.titlesAndDescriptions = (choices & 1) != 0;

  const orv::websearch::SiteFile file(scratch.Path());
  const std::vector<Choice> types = Choices(file, "TYPES");
  const std::vector<Choice> sorts = Choices(file, "SORT");
  if (!types.empty()) query.category = types[(choices >> 1) % types.size()].option;
  if (!sorts.empty()) query.sort = sorts[(choices >> 4) % sorts.size()].option;
  if (const std::optional<AuctionParameters> parameters = LoadAuctionParameters(file)) {
    (void)SearchAddress(*parameters, query, webRoot);
    query.byNumber = true;
    (void)SearchAddress(*parameters, query, webRoot);
  }
  return 0;
}
