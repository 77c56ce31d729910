// The ID3v2 tag at the start of a music file: header, extended header, frame headers of the
// three versions, unsynchronisation, text encodings and genre references. The reader's window
// is small so that frames straddle refills; the tag merged with the ID3v1 tag of the input's
// last 128 bytes, and the input read as a genre value, run as well.
#include <cstdint>
#include <string_view>

#include "filescan/id3v1_tag.h"
#include "filescan/id3v2_tag.h"
#include "filescan/music_tags.h"
#include "text/buffered_reader.h"
#include "text/byte_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::text::MemorySource source(bytes);
  orv::text::BufferedReader reader(source, 64);
  const std::optional<Id3v2Tag> front = ReadId3v2(reader);
  std::optional<Id3v1Tag> back;
  if (size >= kId3v1Size) back = ParseId3v1(bytes.substr(size - kId3v1Size));
  (void)MergeMusicTags(back, front);
  if (size < 256) (void)Id3v2GenreName(bytes);
  return 0;
}
