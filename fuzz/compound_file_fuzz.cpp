// An office document stored as a compound file: the header, the FAT through the header's and
// the DIFAT sectors' lists, the directory and its sibling tree, the mini FAT and mini stream,
// and the summary information stream read from them and decoded; then the whole document
// reader on the same bytes as a file, so the item it fills is covered too.
#include <cstdint>
#include <string>
#include <string_view>

#include "filescan/document_reader.h"
#include "filescan/property_set.h"
#include "fuzz/gio_caches.h"
#include "fuzz/memory_file.h"
#include "platform/posix/formats/compound_file.h"
#include "platform/structured_storage.h"
#include "tests/builders/host_item.h"
#include "text/byte_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::text::MemorySource source(bytes);
  orv::platform::CompoundFile storage;
  if (orv::platform::HasCompoundFileSignature(source) && storage.Open(source)) {
    std::string stream;
    SummaryProperties properties;
    if (storage.ReadRootStream("\005SummaryInformation", orv::platform::kMaxSummaryStreamBytes,
                               stream) &&
        ParseSummaryProperties(stream, properties)) {
      (void)DocumentComment(properties);
    }
    // A second name, found or not, walks the sibling tree again with the sectors cached.
    (void)storage.ReadRootStream("WordDocument", 4096, stream);
  }

  static orv::fuzz::MemoryFile file;
  orv::testing::HostItem item;
  ReadDocument(file.Hold(bytes), "document", *item);
  return 0;
}
