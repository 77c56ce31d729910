#include "filmcard/video_standard.h"

#include <string>

#include "contract/list_piece.h"
#include "filmcard/resource_ids.h"
#include "platform/resources.h"
#include "text/ascii.h"

namespace orv::filmcard {
namespace {

bool AnyPieceOccurs(std::string_view list, const std::string& line) {
  bool found = false;
  WalkList(list, ",", EmptyPiece::kEmptyText, [&](int, const std::string& piece) {
    found = line.find(piece) != std::string::npos;
    return !found;
  });
  return found;
}

}  // namespace

int32_t VideoStandardOf(std::string_view countryLine, int32_t current, std::string_view palList,
                        std::string_view ntscList) {
  const std::string line = text::ToUpperAscii(countryLine);
  int32_t standard = current;
  if (AnyPieceOccurs(palList, line)) standard = kFormatPal;
  if (AnyPieceOccurs(ntscList, line)) standard = kFormatNtsc;
  return standard;
}

int32_t VideoStandardOf(std::string_view countryLine, int32_t current) {
  return VideoStandardOf(countryLine, current, platform::LoadResourceString(kStringPalCountries),
                         platform::LoadResourceString(kStringNtscCountries));
}

}  // namespace orv::filmcard
