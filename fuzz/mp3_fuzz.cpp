// An MP3 file through the music reader: the size of a leading ID3v2 tag (skipped), the walk of
// the MPEG audio frames (search, header decoding, lengths, playing time), the ID3v1 tag of the
// last 128 bytes and the item made of them. The first four bytes are decoded as a frame header
// and the last 128 as an ID3v1 tag directly as well, whether or not the walk gets that far.
#include <cstdint>
#include <string_view>

#include "filescan/id3v1_tag.h"
#include "filescan/mpeg_audio_frames.h"
#include "filescan/music_reader.h"
#include "tests/builders/host_item.h"
#include "text/byte_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::text::MemorySource source(bytes);
  orv::testing::HostItem item;
  ReadMusicFrom(source, "music", *item);

  if (size >= 4) {
    const uint32_t bits = uint32_t{data[0]} << 24 | uint32_t{data[1]} << 16 |
                          uint32_t{data[2]} << 8 | uint32_t{data[3]};
    if (const auto header = DecodeFrameHeader(bits)) (void)header->Length();
  }
  if (size >= kId3v1Size) (void)ParseId3v1(bytes.substr(size - kId3v1Size));
  return 0;
}
