#include "pagebuilder/template_split.h"

#include "pagebuilder/template_tags.h"

namespace orv::pagebuilder {

std::string RemoveAll(std::string_view text, std::string_view what) {
  if (what.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, from)) {
    out.append(text, from, at - from);
    from = at + what.size();
  }
  out.append(text, from, std::string_view::npos);
  return out;
}

TemplateParts SplitTemplate(std::string_view text) {
  TemplateParts parts;
  const size_t repeat = text.find(kRepeatTag);
  const size_t eor = repeat == std::string_view::npos ? std::string_view::npos : text.find(kEorTag);
  if (eor == std::string_view::npos) {
    parts.body = std::string(text);
    return parts;
  }
  parts.mode = ExportMode::kLoop;
  parts.head = std::string(text.substr(0, repeat));
  if (eor > repeat) parts.body = std::string(text.substr(repeat, eor - repeat));
  parts.tail = RemoveAll(text.substr(eor), kEorTag);
  return parts;
}

}  // namespace orv::pagebuilder
