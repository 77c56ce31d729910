// A program's version resource: the PE headers and section table, the three levels of the
// resource directory and the VS_VERSIONINFO block found through them, its fixed part, its
// translations and the strings of their tables; then the whole program reader on the same
// bytes as a file, so the item it fills is covered too. An input that is a version block itself
// ("VS_VERSION_INFO" as the root's key) is walked directly as well.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "filescan/program_reader.h"
#include "fuzz/gio_caches.h"
#include "fuzz/memory_file.h"
#include "platform/posix/formats/pe_resources.h"
#include "platform/posix/formats/version_block.h"
#include "platform/version_info.h"
#include "tests/builders/host_item.h"
#include "text/byte_source.h"
#include "text/codepage.h"

namespace {

constexpr std::string_view kRootKey("V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0_\0I\0N\0F\0O\0", 30);
// The translations a block may list are many; the reader looks at the first.
constexpr size_t kTranslationsLooked = 4;

void WalkBlock(std::string_view block) {
  uint32_t high = 0, low = 0;
  std::vector<orv::platform::VersionTranslation> translations;
  if (!orv::platform::DecodeVersionBlock(block, high, low, translations)) return;
  for (size_t i = 0; i < translations.size() && i < kTranslationsLooked; ++i) {
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", translations[i].language,
                  translations[i].codePage);
    for (const char* name : {"FileDescription", "CompanyName", "ProductName", "LegalCopyright"}) {
      std::string utf16;
      if (orv::platform::FindVersionString(block, table, name, utf16))
        (void)orv::text::Utf16LeToUser(utf16);
    }
    (void)orv::platform::LanguageName(translations[i].language);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orv::text::MemorySource source(bytes);
  std::string block;
  if (orv::platform::FindVersionResource(source, block)) WalkBlock(block);
  if (size > 6 && bytes.substr(6, kRootKey.size()) == kRootKey) WalkBlock(bytes);

  static orv::fuzz::MemoryFile file;
  orv::testing::HostItem item;
  orv::filescan::ReadProgram(file.Hold(bytes), "program", *item);
  return 0;
}
