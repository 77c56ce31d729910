// Disc entries, or the bare table of contents of a disc the server does not know, as the
// host's items: one item per disc, or a heading and one item per title.
#ifndef ORV_DISCFETCH_ITEM_BUILDERS_H
#define ORV_DISCFETCH_ITEM_BUILDERS_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contract/abi.h"
#include "discfetch/disc_entry.h"
#include "discfetch/discfetch_options.h"
#include "platform/cd_drive.h"

namespace orv::discfetch {

// What the builders need besides the item: the options, the disc's 1-based place in the
// queue, its table of contents and its entry (empty when the disc was not found).
struct DiscContext {
  const DiscfetchOptions& options;
  int position;
  const platform::DiscToc& toc;
  const DiscEntry& entry;
};

// A resource pattern's "%d" and "%0Nd" filled in order with `numbers`; other text unchanged.
std::string FormatNumbers(std::string_view pattern, const std::vector<int64_t>& numbers);

// Seconds as "HH:MM:SS", two digits each (a negative duration reads as 0).
std::string LengthText(int64_t seconds);

// Seconds of track `track` (1-based): from the table when it has that track, else the
// average title length.
int64_t TrackSeconds(const DiscContext& disc, size_t track);

std::string BuildDiscTitle(const DiscContext& disc);

void FillDiscItem(MediaItem& item, const DiscContext& disc);
void FillDiscHeading(MediaItem& item, const DiscContext& disc);
void FillTrackItem(MediaItem& item, const DiscContext& disc, size_t title);  // 0-based title
void FillMissingDiscItem(MediaItem& item, const DiscContext& disc);
void FillMissingHeading(MediaItem& item, const DiscContext& disc);
void FillMissingTrackItem(MediaItem& item, const DiscContext& disc, size_t track);  // 1-based

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_ITEM_BUILDERS_H
