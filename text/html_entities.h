// Character references of HTML text: the named entities of HTML 4 ("&eacute;", "&hellip;",
// "&euro;" ...) and numeric ones of any length, decimal or hexadecimal ("&#8217;", "&#xE9;").
#ifndef ORV_TEXT_HTML_ENTITIES_H
#define ORV_TEXT_HTML_ENTITIES_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv::text {

// The code point of a named entity (without "&" and ";"), or nothing for an unknown name.
std::optional<uint32_t> NamedEntityCodePoint(std::string_view name);

// `text` (in the user's code page) with every reference replaced by its character in the user's
// code page ("?" where it has none). A no-break space becomes a plain blank; unknown names and
// a lone "&" stay as they are.
std::string DecodeEntities(std::string_view text);

}  // namespace orv::text

#endif  // ORV_TEXT_HTML_ENTITIES_H
