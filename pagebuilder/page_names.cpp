#include "pagebuilder/page_names.h"

#include <cstdio>
#include <cstring>

#include "contract/path.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "text/ascii.h"

namespace orv::pagebuilder {
namespace {

// Leaves room for the folder, a " (n)" suffix and the extension within common path limits.
constexpr size_t kMaxTitleName = 120;

bool IsForbidden(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || std::strchr(":*<>|?/\\\"", c) != nullptr || platform::IsPathSeparator(c);
}

// Windows opens a device for these names, whatever extension follows.
bool IsDeviceName(std::string_view name) {
  std::string base = text::ToLowerAscii(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  static const char* const kDevices[] = {"con", "prn", "aux", "nul", "clock$", "conin$", "conout$"};
  for (const char* device : kDevices) {
    if (base == device) return true;
  }
  return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
         base[3] >= '0' && base[3] <= '9';
}

void CutToLength(std::string& name, size_t limit) {
  if (name.size() <= limit) return;
  size_t cut = limit;
  // Never split a UTF-8 sequence.
  if (platform::UserCodePageIsUtf8()) {
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  }
  name.resize(cut);
}

}  // namespace

std::string FileNameFromTitle(std::string_view title) {
  std::string name(title);
  for (char& c : name) {
    if (IsForbidden(c)) c = ' ';
  }
  // ".." climbs out of the folder: every dot of a run of two or more goes.
  for (size_t i = 0; i < name.size();) {
    size_t end = i;
    while (end < name.size() && name[end] == '.') ++end;
    if (end - i >= 2) {
      for (size_t j = i; j < end; ++j) name[j] = ' ';
    }
    i = end > i ? end : i + 1;
  }
  CutToLength(name, kMaxTitleName);
  if (name.find_first_not_of(". ") == std::string::npos) return "";
  if (IsDeviceName(name)) return "";
  return name;
}

PageNamer::PageNamer(std::string_view outputPath) {
  const std::string fileName = FileNameOf(outputPath);
  folder_ = std::string(outputPath.substr(0, outputPath.size() - fileName.size()));
  const size_t dot = fileName.find('.');
  dotted_ = dot != std::string::npos;
  stem_ = fileName.substr(0, dot);
  if (dotted_) extension_ = fileName.substr(dot);
}

void PageNamer::Reserve(std::string_view fileName) { taken_.insert(text::ToLowerAscii(fileName)); }

std::string PageNamer::NumberedPath(int n) const {
  char number[16];
  std::snprintf(number, sizeof number, dotted_ ? "%02d" : "%d", n);
  return folder_ + stem_ + number + extension_;
}

std::string PageNamer::Next(std::string_view title, bool fromTitle) {
  if (fromTitle) {
    const std::string name = FileNameFromTitle(title);
    if (!name.empty()) return Claim(name, dotted_ ? extension_ : ".htm");
  }
  char number[16];
  std::snprintf(number, sizeof number, dotted_ ? "%02d" : "%d", nextNumber_);
  if (nextNumber_ < 0x7FFFFFFF) ++nextNumber_;
  return Claim(stem_ + number, extension_);
}

std::string PageNamer::Claim(const std::string& stem, const std::string& extension) {
  std::string name = stem + extension;
  // Each taken name can push one candidate further, so this ends within taken_.size() + 1 tries.
  for (size_t copy = 2; !taken_.insert(text::ToLowerAscii(name)).second; ++copy) {
    name = stem + " (" + std::to_string(copy) + ")" + extension;
  }
  return folder_ + name;
}

}  // namespace orv::pagebuilder
