// Message boxes of the web search: debug texts, the confirmation of a found item, and the
// texts they are made of. Captions are the filter's display name (string 4).
#ifndef ORV_WEBSEARCH_MESSAGES_H
#define ORV_WEBSEARCH_MESSAGES_H

#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orv::websearch {

// printf formatting of a format text from the filter's own resources.
std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The first `count` characters of a text, never cutting a UTF-8 sequence in two.
std::string FirstCharacters(std::string_view text, size_t count);

void ShowInformation(std::string_view text, ui::MessageIcon icon);
// Yes or No; true for Yes.
bool AskYesNo(std::string_view text);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_MESSAGES_H
