// An export template filled with an item's values: the split into head, body and tail, every
// tag replaced (values may hold tags themselves), and the page names made from the title.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "contract/abi.h"
#include "contract/host_string.h"
#include "fuzz/fuzz_input.h"
#include "pagebuilder/item_values.h"
#include "pagebuilder/page_names.h"
#include "pagebuilder/tag_replacer.h"
#include "pagebuilder/template_split.h"
#include "pagebuilder/template_tags.h"

namespace {

using namespace orv::pagebuilder;

constexpr size_t kPageCap = size_t{1} << 20;

// The item's host strings, released when the input is done.
struct FuzzItem {
  MediaItem item{};
  ~FuzzItem() {
    for (HostString* field : {&item.title, &item.type, &item.editor, &item.author, &item.coauthor,
                              &item.lang, &item.custom1, &item.custom2, &item.custom3,
                              &item.comment, &item.image, &item.lendname}) {
      hs_release(*field);
    }
  }
};

void Fill(orv::fuzz::FuzzInput& input, FuzzItem& holder) {
  MediaItem& item = holder.item;
  for (HostString* field :
       {&item.title, &item.type, &item.editor, &item.author, &item.coauthor, &item.lang,
        &item.custom1, &item.custom2, &item.custom3, &item.comment, &item.image, &item.lendname}) {
    orv::Assign(field, input.Piece());
  }
  // Fixed texts come as the host stored them: possibly without a terminating zero.
  for (char* field : {item.length, item.date, item.lendat1, item.lendat2}) {
    const std::string_view bytes = input.Piece();
    std::memcpy(field, bytes.data(), std::min(bytes.size(), sizeof item.length));
  }
  item.category = static_cast<int8_t>(input.Byte());
  item.year = static_cast<int16_t>(input.Byte() << 8 | input.Byte());
  item.medium = static_cast<int8_t>(input.Byte());
  item.format1 = static_cast<int8_t>(input.Byte());
  item.format2 = static_cast<int8_t>(input.Byte());
  item.sound = static_cast<int8_t>(input.Byte());
  item.rating = static_cast<int8_t>(input.Byte());
  item.chap = static_cast<int8_t>(input.Byte());
  item.price = static_cast<float>(static_cast<int8_t>(input.Byte())) / 3.0f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::fuzz::FuzzInput input(data, size);
  const bool xml = input.Flag();
  const bool fromTitle = input.Flag();
  const TemplateParts parts = SplitTemplate(input.Piece());
  FuzzItem holder;
  Fill(input, holder);

  ItemValues values(nullptr, xml);
  values.SetItem(holder.item, 1);
  std::string out;
  TagReplacer head(parts.head, TemplateTags());
  head.Fill(values.values(), DocumentSteps(), kPageCap, out);
  TagReplacer body(parts.body, TemplateTags());
  body.Fill(values.values(), AllSteps(), kPageCap, out);
  body.Fill(values.values(), AllSteps(), kPageCap, out);

  PageNamer namer("/out/liste.htm");
  (void)namer.Next(orv::TextOf(holder.item.title), fromTitle);
  (void)namer.Next(orv::TextOf(holder.item.title), fromTitle);
  return 0;
}
