// An xmcd disc entry, as a read answer carries it: decoded from the server's bytes (Latin-1 or
// UTF-8), parsed, and, when complete, turned into the items of every mode for a disc whose
// table of contents the input gives too (it may have fewer tracks than the entry has titles).
// The same bytes are read as a file of the entry cache, for the disc the entry names and for
// another one.
//
// Input: the entry's bytes, then (after a byte 0xFF) the options, the average title length and
// the table of contents; without them a bare entry file is a whole input. Seeds: entries shaped
// like the tests' (tests/discfetch/entry_text.h).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "contract/host_string.h"
#include "discfetch/cddb_answer.h"
#include "discfetch/disc_entry.h"
#include "discfetch/item_builders.h"
#include "discfetch/xmcd_cache.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace orv::discfetch;

void Require(bool condition) {
  if (!condition) std::abort();
}

struct Item {
  MediaItem item{};
  ~Item() {
    for (HostString* field : {&item.title, &item.type, &item.editor, &item.author, &item.coauthor,
                              &item.lang, &item.custom1, &item.custom2, &item.custom3,
                              &item.comment, &item.image, &item.lendname}) {
      hs_release(*field);
    }
  }
};

void BuildItems(const DiscContext& disc) {
  {
    Item item;
    FillDiscItem(item.item, disc);
  }
  {
    Item item;
    FillDiscHeading(item.item, disc);
  }
  // One past the last title too: the builder must refuse it.
  for (size_t title = 0; title <= disc.entry.trackTitles.size(); ++title) {
    Item item;
    FillTrackItem(item.item, disc, title);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::fuzz::FuzzInput input(data, size);
  const std::string bytes(input.Piece());
  const std::string text = EntryTextToUser(bytes);
  const uint8_t choices = input.Byte();
  DiscfetchOptions options;
  options.incNumber = choices & 1;
  options.incArtist = (choices >> 1) & 1;
  options.tracksInComment = (choices >> 2) & 1;
  options.avgTrack = static_cast<int8_t>(input.Byte());
  // A table of contents of 0 to 31 tracks plus the lead-out, positions from the input.
  orv::platform::DiscToc toc;
  const int tracks = input.Byte() % 32;
  for (int t = 0; t <= tracks; ++t) {
    toc.push_back({input.Byte(), input.Byte() % 60, input.Byte() % 75});
  }
  DiscEntry entry;
  const bool complete = ParseDiscEntry(text, entry);
  Require(entry.trackTitles.size() <= static_cast<size_t>(kMaxEntryTracks));
  Require(entry.trackExtendedData.size() <= static_cast<size_t>(kMaxEntryTracks));
  if (complete) BuildItems(DiscContext{options, 1, toc, entry});
  for (uint32_t discId : {entry.discId, 0x0501a302u}) {
    DiscEntry cached;
    if (ParseCachedEntry(bytes, discId, cached)) {
      Require(cached.discId == discId);
      Require(cached.trackTitles.size() == cached.trackExtendedData.size());
    }
  }
  (void)DecodeEscapes(text);
  return 0;
}
