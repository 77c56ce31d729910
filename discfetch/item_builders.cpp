#include "discfetch/item_builders.h"

#include <cstdio>
#include <cstdlib>

#include "contract/filter.h"
#include "contract/host_string.h"
#include "contract/medium.h"
#include "discfetch/disc_id.h"
#include "discfetch/resource_ids.h"
#include "platform/clock.h"
#include "platform/resources.h"
#include "text/number.h"

namespace orv::discfetch {
namespace {

// The comment's line separator is the two characters backslash and n.
constexpr const char* kCommentLineEnd = "\\n";

int32_t CurrentYear() { return platform::LocalTime(platform::Now()).tm_year + 1900; }

// strtod reads the decimal point of the "C" locale, which the filters never change: "12.50"
// gives 12.5 and "12,50" 12. It also reads "nan", "inf" and "1e999", which are no price.
float PriceOf(const std::string& text) {
  const double value = std::strtod(text.c_str(), nullptr);
  return static_cast<float>(text::FloatOrZero(value));
}

void FillCommon(MediaItem& item, const DiscfetchOptions& options) {
  item.category = ORV_CATEGORY_AUDIO;
  item.sound = options.defSound;
  item.medium = MediumCode(ORV_CATEGORY_AUDIO, options.defMedium);
  item.price = PriceOf(options.defValue);
}

void SetLength(MediaItem& item, int64_t seconds) {
  CopyFixedText(item.length, sizeof item.length, LengthText(seconds).substr(0, 9));
}

size_t TrackCount(const platform::DiscToc& toc) { return toc.empty() ? 0 : toc.size() - 1; }

std::string TitleText(const DiscContext& disc, size_t title) {
  std::string text;
  if (disc.options.incNumber)
    text = FormatNumbers("%02d", {static_cast<int64_t>(title) + 1}) + " - ";
  return text + disc.entry.trackTitles[title];
}

int32_t FoundYear(const DiscEntry& entry) {
  return entry.discYear != 0 ? entry.discYear : CurrentYear();
}

const std::string& TypeOf(const DiscContext& disc) {
  return disc.entry.discGenre.empty() ? disc.options.defType : disc.entry.discGenre;
}

}  // namespace

std::string FormatNumbers(std::string_view pattern, const std::vector<int64_t>& numbers) {
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%') {
      out += pattern[i];
      continue;
    }
    size_t at = i + 1;
    const bool zeros = at < pattern.size() && pattern[at] == '0';
    if (zeros) ++at;
    int width = 0;
    while (at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '9' && width < 20) {
      width = width * 10 + (pattern[at++] - '0');
    }
    if (at < pattern.size() && pattern[at] == 'd') {
      std::string digits = std::to_string(next < numbers.size() ? numbers[next] : 0);
      ++next;
      while (static_cast<int>(digits.size()) < width) digits.insert(0, 1, zeros ? '0' : ' ');
      out += digits;
      i = at;
    } else {
      out += '%';
    }
  }
  return out;
}

std::string LengthText(int64_t seconds) {
  if (seconds < 0) seconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

int64_t TrackSeconds(const DiscContext& disc, size_t track) {
  if (track >= 1 && track <= TrackCount(disc.toc)) {
    return WholeSeconds(disc.toc[track]) - WholeSeconds(disc.toc[track - 1]);
  }
  return int64_t{disc.options.avgTrack} * 60;
}

std::string BuildDiscTitle(const DiscContext& disc) {
  if (disc.options.incArtist) return disc.entry.discArtist + " - " + disc.entry.discTitle;
  return disc.entry.discTitle;
}

void FillDiscItem(MediaItem& item, const DiscContext& disc) {
  const DiscEntry& entry = disc.entry;
  Assign(&item.title, BuildDiscTitle(disc));
  Assign(&item.author, entry.discArtist);
  Assign(&item.type, TypeOf(disc));
  SetLength(item, entry.discLength);
  item.year = FoundYear(entry);
  item.chap = static_cast<int32_t>(entry.trackTitles.size());
  if (disc.options.tracksInComment) {
    std::string list;
    for (size_t k = 0; k < entry.trackTitles.size(); ++k) {
      list +=
          TitleText(disc, k) + " (" + LengthText(TrackSeconds(disc, k + 1)) + ")" + kCommentLineEnd;
    }
    Assign(&item.comment, list);
  }
  FillCommon(item, disc.options);
}

void FillDiscHeading(MediaItem& item, const DiscContext& disc) {
  Assign(&item.title, BuildDiscTitle(disc));
  item.category = ORV_CATEGORY_AUDIO;
  item.level = 0;
}

void FillTrackItem(MediaItem& item, const DiscContext& disc, size_t title) {
  if (title >= disc.entry.trackTitles.size()) return;
  Assign(&item.title, TitleText(disc, title));
  Assign(&item.author, disc.entry.discArtist);
  Assign(&item.type, TypeOf(disc));
  SetLength(item, TrackSeconds(disc, title + 1));
  item.year = FoundYear(disc.entry);
  item.chap = static_cast<int32_t>(title) + 1;
  FillCommon(item, disc.options);
}

void FillMissingDiscItem(MediaItem& item, const DiscContext& disc) {
  const size_t tracks = TrackCount(disc.toc);
  Assign(&item.title,
         FormatNumbers(platform::LoadResourceString(kStringDiscTitle), {disc.position}));
  Assign(&item.author, disc.entry.discArtist);
  Assign(&item.type, disc.options.defType);
  SetLength(item, tracks ? WholeSeconds(disc.toc[tracks]) : 0);
  item.year = CurrentYear();
  item.chap = static_cast<int32_t>(tracks);
  if (disc.options.tracksInComment) {
    const std::string pattern = platform::LoadResourceString(kStringTrackTitle);
    std::string list;
    for (size_t t = 1; t <= tracks; ++t) {
      list += FormatNumbers(pattern, {disc.position, static_cast<int64_t>(t)}) + " (" +
              LengthText(TrackSeconds(disc, t)) + ")" + kCommentLineEnd;
    }
    Assign(&item.comment, list);
  }
  FillCommon(item, disc.options);
}

void FillMissingHeading(MediaItem& item, const DiscContext& disc) {
  Assign(&item.title,
         FormatNumbers(platform::LoadResourceString(kStringDiscTitle), {disc.position}));
  item.category = ORV_CATEGORY_AUDIO;
  item.level = 0;
}

void FillMissingTrackItem(MediaItem& item, const DiscContext& disc, size_t track) {
  Assign(&item.title, FormatNumbers(platform::LoadResourceString(kStringTrackTitle),
                                    {disc.position, static_cast<int64_t>(track)}));
  Assign(&item.author, disc.entry.discArtist);
  Assign(&item.type, disc.options.defType);
  SetLength(item, TrackSeconds(disc, track));
  item.year = CurrentYear();
  item.chap = static_cast<int32_t>(track);
  FillCommon(item, disc.options);
}

}  // namespace orv::discfetch
