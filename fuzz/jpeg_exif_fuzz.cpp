// A JPEG picture through the picture reader: the search for an IPTC block, the walk of the
// marker segments up to the scan, the EXIF block and its directories, and the item's comment
// made of the camera data. An input that is an EXIF block itself ("Exif\0\0" first) is parsed
// directly as well, as the segment walk hands it over, without the 64 KiB bound of a segment.
#include <cstdint>
#include <string_view>

#include "filescan/exif_parser.h"
#include "filescan/picture_reader.h"
#include "filescan/picture_text.h"
#include "filescan/resource_ids.h"
#include "fuzz/gio_caches.h"
#include "platform/resources.h"
#include "tests/builders/host_item.h"
#include "text/byte_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::text::MemorySource source(bytes);
  orv::testing::HostItem item;
  ReadPictureFrom(source, "/fuzz/picture.jpg", "picture", *item);

  if (bytes.substr(0, 6) == std::string_view("Exif\0\0", 6)) {
    ExifInfo info;
    if (ParseExifBlock(bytes, info)) {
      (void)ExifComment(orv::platform::LoadResourceString(kStringExifComment),
                        orv::platform::LoadResourceString(kStringFlashNames), info);
    }
  }
  return 0;
}
