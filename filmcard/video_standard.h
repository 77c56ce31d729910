// The video standard of a film from its country line: a plain substring test of the upper-cased
// line against two lists of country name pieces, one for Pal and one for Ntsc.
#ifndef ORV_FILMCARD_VIDEO_STANDARD_H
#define ORV_FILMCARD_VIDEO_STANDARD_H

#include <cstdint>
#include <string_view>

namespace orv::filmcard {

enum : int32_t { kFormatPal = 0, kFormatNtsc = 2 };

// Pal when a piece of `palList` occurs in the line, then Ntsc when a piece of `ntscList` does
// (so a line naming countries of both lists ends with Ntsc); `current` when neither does.
// Lists are ","-separated and walked until their first empty piece.
int32_t VideoStandardOf(std::string_view countryLine, int32_t current, std::string_view palList,
                        std::string_view ntscList);

// The same with the filter's own lists (strings 51 and 52).
int32_t VideoStandardOf(std::string_view countryLine, int32_t current);

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_VIDEO_STANDARD_H
