#include "websearch/messages.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "contract/filter.h"
#include "platform/codepage.h"
#include "platform/resources.h"

namespace orv::websearch {

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text;
  if (needed > 0) {
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, again);
    text.assign(buffer.data(), static_cast<size_t>(needed));
  }
  va_end(again);
  return text;
}

std::string FirstCharacters(std::string_view text, size_t count) {
  if (!platform::UserCodePageIsUtf8()) return std::string(text.substr(0, count));
  size_t end = 0;
  for (size_t characters = 0; end < text.size() && characters < count; ++characters) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return std::string(text.substr(0, end));
}

void ShowInformation(std::string_view text, ui::MessageIcon icon) {
  ui::ShowMessage(text, platform::LoadResourceString(kStringFilterName), ui::MessageButtons::kOk,
                  icon);
}

bool AskYesNo(std::string_view text) {
  return ui::ShowMessage(text, platform::LoadResourceString(kStringFilterName),
                         ui::MessageButtons::kYesNo,
                         ui::MessageIcon::kQuestion) == ui::MessageAnswer::kYes;
}

}  // namespace orv::websearch
