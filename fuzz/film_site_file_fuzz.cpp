// filmsearch's site description file, as a person may have edited it: the site list of the
// options dialog, and the chosen site's section loaded the way Open loads it (the first listed
// site, or the name the input gives). Read through the profile store from a file, as the filter
// reads it.
//
// Input: the file, then (after a byte 0xFF) the site's name and a wanted item type (1 when
// none); a bare site file is a whole input. Seeds: samples/sites and the tests' site file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "filmsearch/film_site.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/scratch_file.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filmsearch;
  static const orv::fuzz::ScratchFile scratch(".ini");
  orv::fuzz::FuzzInput input(data, size);
  scratch.Write(input.Piece());
  const std::string name(input.Piece());
  const int wantedType = (input.Byte() + 1) % 4;

  const orv::websearch::SiteFile file(scratch.Path());
  const std::vector<SiteRow> rows = ListSites(file, wantedType);
  const std::string chosen = name.empty() && !rows.empty() ? rows.front().name : name;
  if (const std::optional<SiteDescription> site = LoadSiteDescription(file, chosen)) {
    Require(!site->webRoot.empty() && !site->searchUrl.empty());
    Require(site->webRoot.size() <= orv::websearch::kMaxSiteValue * 4);
  }
  (void)file.Value("INDEX", "0", "?");
  return 0;
}
