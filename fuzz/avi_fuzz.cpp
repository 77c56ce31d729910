// An AVI file: the RIFF walk to the header list, the main header, the stream lists and the
// OpenDML header decoded from memory, what the video reader makes of them (codec and audio
// names, frame rate, playing time, the comment), and the whole video reader on the same bytes
// as a file, so the item it fills is covered too.
#include <cstdint>
#include <string_view>

#include "filescan/resource_ids.h"
#include "filescan/video_reader.h"
#include "fuzz/gio_caches.h"
#include "fuzz/memory_file.h"
#include "platform/avi_headers.h"
#include "platform/resources.h"
#include "tests/builders/host_item.h"
#include "text/byte_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::text::MemorySource source(bytes);
  orv::platform::AviFileInfo info;
  orv::platform::AviHeaderShape shape;
  if (orv::platform::DecodeAviHeaders(source, info, &shape)) {
    (void)shape.Regular(info);
    const VideoSummary summary =
        SummarizeStreams(info, orv::platform::LoadResourceString(kStringUnknown));
    (void)VideoComment(orv::platform::LoadResourceString(kStringVideoComment), info, summary);
    (void)PlayingSeconds(info);
  }

  static orv::fuzz::MemoryFile file;
  orv::testing::HostItem item;
  ReadVideo(file.Hold(bytes), "video", *item);
  return 0;
}
