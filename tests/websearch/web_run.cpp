#include "tests/websearch/web_run.h"

#include <gtest/gtest.h>

namespace orv::testing {

std::vector<int32_t> RunOutcome::Results() const {
  std::vector<int32_t> results;
  for (const Call& call : calls) results.push_back(call.result == 1 ? call.kind : call.result);
  return results;
}

RunOutcome RunToEnd(Filter& filter, const std::string& pictures, int limit) {
  HostString dirs[6] = {};
  for (int c = 1; c <= 5; ++c) dirs[c] = hs_make(pictures.data(), pictures.size());
  HostString lists[3] = {};
  HostDocument document{};
  document.pictureDirs = dirs;
  document.codeLists = lists;
  ItemList items{};
  RunOutcome outcome;
  outcome.open = filter.Open("", &document, &items);
  if (outcome.open == 1) {
    EXPECT_EQ(filter.GetCount(), 100);
    for (int i = 0; i < limit; ++i) {
      MediaItem item{};
      item.format1 = item.format2 = item.sound = item.medium = item.rating = item.chap = -7;
      int32_t kind = -1;
      Call call;
      call.result = filter.ProcessItem(item, kind);
      call.kind = kind;
      call.title = StringOf(item.title);
      call.type = StringOf(item.type);
      call.editor = StringOf(item.editor);
      call.author = StringOf(item.author);
      call.coauthor = StringOf(item.coauthor);
      call.lang = StringOf(item.lang);
      call.custom1 = StringOf(item.custom1);
      call.comment = StringOf(item.comment);
      call.image = StringOf(item.image);
      call.length = item.length;
      call.year = item.year;
      call.chap = item.chap;
      call.rating = item.rating;
      call.format1 = item.format1;
      call.format2 = item.format2;
      call.medium = item.medium;
      call.sound = item.sound;
      call.category = item.category;
      call.price = item.price;
      for (HostString* field : {&item.title, &item.type, &item.editor, &item.author, &item.coauthor,
                                &item.lang, &item.custom1, &item.custom2, &item.custom3,
                                &item.comment, &item.image, &item.lendname}) {
        hs_release(*field);
      }
      outcome.calls.push_back(call);
      if (call.result == -1) break;
    }
    EXPECT_EQ(filter.Close(), 1);
  }
  for (HostString dir : dirs) hs_release(dir);
  return outcome;
}

}  // namespace orv::testing
