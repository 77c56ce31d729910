// How item fields are written into a page: numbers, prices, icon names, code names, comments.
#ifndef ORV_PAGEBUILDER_FIELD_TEXT_H
#define ORV_PAGEBUILDER_FIELD_TEXT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv::pagebuilder {

// Decimal, no padding.
std::string DecimalText(int64_t value);

// Two decimals with a decimal comma: 12.5 -> "12,50".
std::string PriceText(float price);

// The medium's icon file: "icon%02d.gif" of code + 1 (medium 19 -> "icon20.gif").
std::string IconFileName(int32_t medium);

// A fixed text field of the host's record, up to its terminator or its end.
std::string_view FixedText(const char* field, size_t size);

// Line breaks of a comment as HTML: every CR LF becomes "<br>", then every backslash followed by
// "n" (as some importers write line breaks) becomes "<br>" too.
std::string CommentAsHtml(std::string_view comment);

// A "|"-separated list of code names; code n is piece n + 1.
class CodeNames {
 public:
  explicit CodeNames(std::string_view list);

  // The name of `code`; `beyond` when the list has no such piece (negative codes included);
  // nothing at all when the list is empty.
  std::string_view Name(int32_t code, std::string_view beyond) const;

 private:
  std::string list_;
  std::vector<std::pair<size_t, size_t>> pieces_;  // offset and size in list_
};

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_FIELD_TEXT_H
