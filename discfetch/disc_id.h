// The CDDB disc identifier and the arguments of the disc query, computed from a table of
// contents: track starts and lead-out as absolute positions, lead-in included.
#ifndef ORV_DISCFETCH_DISC_ID_H
#define ORV_DISCFETCH_DISC_ID_H

#include <array>
#include <cstdint>
#include <string>

#include "platform/cd_drive.h"

namespace orv::discfetch {

using platform::DiscToc;
using platform::TrackPosition;

int64_t FrameCount(const TrackPosition& position);
// Whole seconds: the frames are dropped, not rounded.
int64_t WholeSeconds(const TrackPosition& position);

// Bits 24-31 the digit sums of the track starts' seconds modulo 255, bits 8-23 the playing time
// in seconds, bits 0-7 the track count. Needs one track and the lead-out; 0 for less.
uint32_t ComputeDiscId(const DiscToc& toc);

// Identifier ("%08x"), track count, frame offsets joined by "+", lead-out in whole seconds.
std::array<std::string, 4> FormatQueryArguments(uint32_t discId, const DiscToc& toc);

// The identifier of the disc in the default drive; false when no table could be read.
bool ReadDiscId(uint32_t& discId);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DISC_ID_H
