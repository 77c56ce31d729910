#include "filescan/entry_analysis.h"

#include <limits>
#include <string>

#include "contract/filter.h"
#include "contract/host_string.h"
#include "contract/path.h"
#include "filescan/filter_tokens.h"
#include "filescan/title_text.h"
#include "platform/clock.h"
#include "platform/file_facts.h"
#include "platform/shell_type.h"
#include "text/ascii.h"

namespace orv::filescan {
namespace {

enum : int32_t {
  kMediumHardDisk = 15,   // "Disque-dur"
  kMediumSvcd = 21,       // "sVCD"
  kMediumMegabytes = 28,  // "Mo"
  kSoundStereo = 1,
  kFormatDivx = 3,
  kFormatXvid = 4,
};

struct Entry {
  const std::string& path;
  std::string upperPath;
  std::string name;
  std::string upperName;  // what the dispatch looks at: never the folders above the file
  std::string title;
  platform::FileFacts facts;
  std::tm created;
  std::tm lastWritten;
};

bool Holds(const std::string& upperName, const char* fragment) {
  return upperName.find(fragment) != std::string::npos;
}

void Call(const ContentReader& reader, const Entry& entry, MediaItem& item) {
  if (reader) reader(entry.path, entry.title, item);
}

void SetSoftwareSize(const Entry& entry, MediaItem& item) {
  item.medium = kMediumMegabytes;
  item.chap = WholeMebibytes(entry.facts.size);
}

// Runs every row whose fragments the file's name holds; true when one ran.
bool Dispatch(const Entry& entry, const ContentReaders& readers, MediaItem& item) {
  const std::string& upper = entry.upperName;
  bool recognised = false;
  if (Holds(upper, ".JPG") || Holds(upper, ".JPE")) {
    recognised = true;
    item.category = ORV_CATEGORY_COLLECTIBLE;
    item.year = entry.created.tm_year + 1900;
    CopyFixedText(item.date, sizeof item.date,
                  platform::FormatTime("%Y/%m/%d", entry.created).substr(0, 10));
    Assign(&item.coauthor, entry.name);
    item.chap = 1;
    Call(readers.picture, entry, item);
  }
  if (Holds(upper, ".MP3")) {
    recognised = true;
    item.category = ORV_CATEGORY_AUDIO;
    Call(readers.music, entry, item);
  }
  if (Holds(upper, ".AVI") || Holds(upper, ".MPG") || Holds(upper, ".MPEG") ||
      Holds(upper, ".MOV")) {
    recognised = true;
    item.category = ORV_CATEGORY_VIDEO;
    item.medium = kMediumSvcd;
    item.sound = kSoundStereo;
    if (Holds(upper, ".AVI")) {
      item.format1 = kFormatDivx;
      Call(readers.video, entry, item);
    } else {
      item.format1 = kFormatXvid;
      Assign(&item.type, platform::ShellTypeName(entry.path));
      Assign(&item.title, UnderscoresToSpaces(entry.title));
    }
  }
  if (Holds(upper, ".HTM") || Holds(upper, ".HTML") || Holds(upper, ".ASP") ||
      Holds(upper, ".PHP")) {
    recognised = true;
    item.category = ORV_CATEGORY_SOFTWARE;
    if (Holds(upper, ".HTM")) Assign(&item.type, "Html File");
    if (Holds(upper, ".ASP")) Assign(&item.type, "ASP File");
    if (Holds(upper, ".PHP")) Assign(&item.type, "PHP File");
    item.medium = kMediumHardDisk;
    item.year = entry.lastWritten.tm_year + 1900;
    Assign(&item.coauthor, entry.name);
    Call(readers.webPage, entry, item);
  }
  if (Holds(upper, ".DOC") || Holds(upper, ".XLS") || Holds(upper, ".PPT") ||
      Holds(upper, ".PPS")) {
    recognised = true;
    item.category = ORV_CATEGORY_SOFTWARE;
    SetSoftwareSize(entry, item);
    item.year = entry.created.tm_year + 1900;
    Call(readers.document, entry, item);
    if (TextOf(item.type).empty()) Assign(&item.type, platform::ShellTypeName(entry.path));
  }
  if (Holds(upper, ".EXE") || Holds(upper, ".DLL") || Holds(upper, ".OCX")) {
    recognised = true;
    item.category = ORV_CATEGORY_SOFTWARE;
    SetSoftwareSize(entry, item);
    item.year = entry.created.tm_year + 1900;
    Call(readers.program, entry, item);
  }
  return recognised;
}

}  // namespace

int32_t WholeMebibytes(uint64_t bytes) {
  const uint64_t mebibytes = bytes / (uint64_t{1} << 20);
  constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
  return static_cast<int32_t>(mebibytes < kMax ? mebibytes : kMax);
}

int32_t AnalyseEntry(const ScanEntry& scanEntry, const FilescanOptions& options,
                     const ContentReaders& readers, MediaItem& item, int32_t& itemKind) {
  itemKind = 0;
  if (scanEntry.kind == kEntryFolder) {
    if (options.forceType == 0 || options.doCreateTree == 0) return 0;
    Assign(&item.title, scanEntry.text);
    item.category = options.Category();
    item.level = static_cast<int32_t>(scanEntry.depth);
    itemKind = ORV_KIND_HEADING;
    return 1;
  }

  Entry entry{scanEntry.text, text::ToUpperAscii(scanEntry.text), {}, {}, {}, {}, {}, {}};
  if (options.fileMode == kFilteredFiles && !PathMatchesFilter(entry.upperPath, options.filter)) {
    return 0;
  }
  const std::optional<platform::FileFacts> facts = platform::ReadFileFacts(entry.path);
  if (!facts) return 0;  // gone since the walk
  entry.facts = *facts;
  entry.created = platform::LocalTime(facts->created);
  entry.lastWritten = platform::LocalTime(facts->lastWritten);
  entry.name = FileNameOf(entry.path);
  entry.upperName = text::ToUpperAscii(entry.name);
  entry.title = FileTitleOf(entry.name);

  int32_t result = 1;
  item.category = ORV_CATEGORY_BOOK;
  itemKind = ORV_CATEGORY_BOOK;
  item.year = entry.created.tm_year + 1900;

  if (!Dispatch(entry, readers, item) && options.fileMode != kDescribedFiles) {
    item.category = ORV_CATEGORY_SOFTWARE;
    SetSoftwareSize(entry, item);
    item.year = entry.created.tm_year + 1900;
    Assign(&item.title, entry.title);
    Assign(&item.type, platform::ShellTypeName(entry.path));
    Assign(&item.coauthor, entry.name);
  }
  if (options.forceType != 0) {
    item.category = options.Category();
    itemKind = item.category;
    if (item.category == ORV_CATEGORY_SOFTWARE) SetSoftwareSize(entry, item);
  }
  if (TextOf(item.title).empty()) {
    result = 0;
    itemKind = 0;
  }
  return result;
}

}  // namespace orv::filescan
