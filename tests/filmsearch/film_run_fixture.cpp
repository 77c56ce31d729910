#include "tests/filmsearch/film_run_fixture.h"

#include "platform/process.h"

namespace orv::filmsearch::testing {

void FilmRun::SetUp() {
  platform::SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "300");
  platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
  platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
  folder_.MakeFolder("pictures");
  filter_.UseSiteFile(folder_.Write("filmsearch.ini", orv::testing::FilmSiteFile(site_.Root())));
  filter_.Settings().selFilter = "CINE";
  orv::testing::ServeFilmSite(site_);
}

void FilmRun::TearDown() { platform::SetEnvironmentValue("ORVHOST_ANSWERS", ""); }

void FilmRun::Answer(const std::string& lines) {
  platform::SetEnvironmentValue("ORVHOST_ANSWERS", folder_.Write("answers.txt", lines));
}

std::vector<Call> FilmRun::RunAll(int limit) {
  HostString dirs[6] = {};
  const std::string pictures = Pictures();
  for (int c = 1; c <= 5; ++c) dirs[c] = hs_make(pictures.data(), pictures.size());
  HostString lists[3] = {};
  HostDocument document{};
  document.pictureDirs = dirs;
  document.codeLists = lists;
  ItemList items{};
  std::vector<Call> calls;
  openResult_ = filter_.Open("", &document, &items);
  if (openResult_ == 1) {
    EXPECT_EQ(filter_.GetCount(), 100);
    for (int i = 0; i < limit; ++i) {
      MediaItem item{};
      item.format1 = item.format2 = item.sound = item.medium = -7;
      item.rating = -7;
      int32_t kind = -1;
      Call call;
      call.result = filter_.ProcessItem(item, kind);
      call.kind = kind;
      call.title = StringOf(item.title);
      call.type = StringOf(item.type);
      call.editor = StringOf(item.editor);
      call.author = StringOf(item.author);
      call.coauthor = StringOf(item.coauthor);
      call.lang = StringOf(item.lang);
      call.comment = StringOf(item.comment);
      call.image = StringOf(item.image);
      call.length = item.length;
      call.year = item.year;
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
      calls.push_back(call);
      if (call.result == -1) break;
    }
    EXPECT_EQ(filter_.Close(), 1);
  }
  for (HostString dir : dirs) hs_release(dir);
  return calls;
}

std::vector<int32_t> FilmRun::Results(const std::vector<Call>& calls) const {
  std::vector<int32_t> results;
  for (const Call& call : calls) {
    results.push_back(call.result == 1 ? call.kind : call.result);
  }
  return results;
}

}  // namespace orv::filmsearch::testing
