// The IPTC caption block of a JFIF picture: the Photoshop segment found among the segments,
// the resource 0x0404 inside it, its records, and the title and comment the picture's item
// gets from them (through the whole picture reader). An input that starts with a record's tag
// marker (0x1C) is decoded as records directly as well.
#include <cstdint>
#include <string_view>

#include "filescan/iptc_block.h"
#include "filescan/picture_reader.h"
#include "filescan/picture_text.h"
#include "fuzz/gio_caches.h"
#include "tests/builders/host_item.h"
#include "text/byte_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::text::MemorySource source(bytes);
  orv::testing::HostItem item;
  ReadPictureFrom(source, "/fuzz/picture.jpg", "picture", *item);

  if (!bytes.empty() && bytes[0] == '\x1C') {
    const IptcInfo info = ParseIptcRecords(bytes);
    (void)CaptionTitle(info.caption);
    (void)IptcComment(info);
  }
  return 0;
}
