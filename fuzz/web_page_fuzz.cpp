// A web page's head: the charset its meta tags declare (or its byte order mark), the title and
// the description converted from it; then the whole web page reader on the same bytes as a
// file, so the item it fills is covered too.
#include <cstdint>
#include <string_view>

#include "filescan/web_page_head.h"
#include "filescan/web_page_reader.h"
#include "fuzz/memory_file.h"
#include "tests/builders/host_item.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)DecodeWebPageHead(bytes);

  static orv::fuzz::MemoryFile file;
  orv::testing::HostItem item;
  ReadWebPage(file.Hold(bytes), "page", *item);
  return 0;
}
