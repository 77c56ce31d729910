// Splitting a template into the text written once before the items (head), the text filled for
// every item (body) and the text written once after them (tail).
//
// Loop mode needs a "<!--repeat-->" and an "<!--eor-->" tag; both are looked for from the start
// of the template. The head is everything before the first repeat tag, the body runs from that
// tag up to the first eor tag (empty when the eor tag comes first), and the tail is everything
// from the first eor tag on, with every eor tag removed from it. Without both tags the template
// is in file mode: the whole template is the body of every page, and head and tail are empty.
#ifndef ORV_PAGEBUILDER_TEMPLATE_SPLIT_H
#define ORV_PAGEBUILDER_TEMPLATE_SPLIT_H

#include <string>
#include <string_view>

namespace orv::pagebuilder {

enum class ExportMode { kLoop, kFile };

struct TemplateParts {
  ExportMode mode = ExportMode::kFile;
  std::string head;
  std::string body;
  std::string tail;
};

TemplateParts SplitTemplate(std::string_view text);

// Every occurrence of `what` removed, scanning forward once.
std::string RemoveAll(std::string_view text, std::string_view what);

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_TEMPLATE_SPLIT_H
