#include "filescan/program_reader.h"

#include "contract/host_string.h"
#include "platform/codepage.h"
#include "platform/shell_type.h"
#include "platform/version_info.h"
#include "text/format.h"

namespace orv::filescan {
namespace {

constexpr std::string_view kLineBreak = "\\n";
constexpr size_t kMaxStringCharacters = 255;

// At most `count` characters of text in the user's code page.
std::string FirstCharacters(std::string text, size_t count) {
  if (!platform::UserCodePageIsUtf8()) return text.substr(0, count);
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool lead = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (lead && characters++ == count) return text.substr(0, i);
  }
  return text;
}

class VersionStrings {
 public:
  explicit VersionStrings(const platform::VersionInfo& info) : info_(info) {}
  // The string of the first translation; empty when the list holds no pair.
  std::string operator()(std::string_view name) const {
    if (info_.Translations().empty()) return std::string();
    return FirstCharacters(info_.String(info_.Translations().front(), name), kMaxStringCharacters);
  }

 private:
  const platform::VersionInfo& info_;
};

}  // namespace

void ReadProgram(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  Assign(&item.type, platform::ShellTypeName(path));
  platform::VersionInfo info;
  if (!info.Load(path)) {
    Assign(&item.title, fileTitle);
    return;
  }
  const VersionStrings strings(info);
  const std::string description = strings("FileDescription");
  const uint32_t high = info.FileVersionHigh(), low = info.FileVersionLow();
  Assign(&item.title,
         (description.empty() ? fileTitle : description) +
             text::FormatText(" v%u.%u.%u.%u", high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF));
  const std::string company = strings("CompanyName");
  if (!company.empty()) Assign(&item.editor, company);

  std::string comment = strings("ProductName");
  const std::string productVersion = strings("ProductVersion");
  if (!productVersion.empty()) comment += " v" + productVersion;
  const std::string originalName = strings("OriginalFilename");
  for (const std::string& part : {originalName, strings("LegalCopyright"), strings("Comments")}) {
    if (part.empty()) continue;
    comment += kLineBreak;
    comment += part;
  }
  Assign(&item.comment, comment);
  Assign(&item.coauthor, originalName);
  Assign(&item.lang, info.Translations().empty()
                         ? std::string()
                         : platform::LanguageName(info.Translations().front().language));
}

}  // namespace orv::filescan
