// The user's keywords as they go into a search address.
#ifndef ORV_WEBSEARCH_KEYWORDS_H
#define ORV_WEBSEARCH_KEYWORDS_H

#include <string>
#include <string_view>

namespace orv::websearch {

// The character set a site reads the keywords of its search address in. Without a word from
// the site file they go in the user's code page, as they always have (windows-1252 in the
// Windows build, UTF-8 in the Linux build).
enum class KeywordCharset { kUserCodePage, kUtf8, kWindows1252 };

// The site file's SearchCharset: "UTF-8" or "windows-1252" (and the other names of those sets,
// "utf8", "ISO-8859-1", "latin1" ...), case aside; anything else, an empty value included, keeps
// the user's code page.
KeywordCharset KeywordCharsetNamed(std::string_view name);

// Percent-encoded, byte by byte in `charset`: letters, digits and "-_.~" stay, every blank
// becomes `blank` ("+" for the film sites), every other byte "%XX". So "amélie", "&" and "#"
// reach the site as typed instead of ending or breaking the query. `keywords` are in the user's
// code page.
std::string EncodeKeywords(std::string_view keywords, std::string_view blank = "+",
                           KeywordCharset charset = KeywordCharset::kUserCodePage);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_KEYWORDS_H
