// The text each tag of a template stands for: the document's values (owner, title, currency,
// header captions) and, item by item, the item's fields.
#ifndef ORV_PAGEBUILDER_ITEM_VALUES_H
#define ORV_PAGEBUILDER_ITEM_VALUES_H

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "contract/abi.h"
#include "pagebuilder/field_text.h"
#include "pagebuilder/template_tags.h"

namespace orv::pagebuilder {

class ItemValues {
 public:
  // `document` may be null (no document values, no code lists). Comments keep their line
  // breaks when `xmlOutput`, else they become "<br>". Texts are copied: the values do not
  // depend on the document afterwards.
  ItemValues(const HostDocument* document, bool xmlOutput);
  ItemValues(const ItemValues&) = delete;
  ItemValues& operator=(const ItemValues&) = delete;

  // One value per step of TemplateTags(); valid until the next call. The document's values are
  // there from the start; item values once an item was set.
  const std::string_view* values() const { return views_.data(); }

  // Sets the item values for `item`, the number-th item of the export (from 1). The views of
  // the item's texts stay valid while the item is unchanged.
  void SetItem(const MediaItem& item, int64_t number);

 private:
  void Set(int tagNumber, std::string_view value);

  std::array<std::string_view, kStepCount> views_{};
  bool xmlOutput_;
  std::string mediumError_, codeBeyond_;
  CodeNames media_, format1_, format2_, sound_;
  std::string owner_, title_, currency_;
  std::array<std::string, kHeaderCount> headers_;
  std::string numb_, icon_, year_, rating_, chap_, price_, comment_;
};

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_ITEM_VALUES_H
