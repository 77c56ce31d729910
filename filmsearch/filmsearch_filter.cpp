#include "filmsearch/filmsearch_filter.h"

#include "contract/list_piece.h"
#include "contract/medium.h"
#include "filmsearch/film_hits.h"
#include "filmsearch/film_keyword_dialog.h"
#include "filmsearch/film_options_dialog.h"
#include "filmsearch/resource_ids.h"
#include "platform/resources.h"
#include "text/ascii.h"
#include "websearch/hit_list_dialog.h"
#include "websearch/keywords.h"
#include "websearch/messages.h"
#include "websearch/web_ids.h"

namespace orv::filmsearch {

using websearch::FormatText;

FilmSearchFilter::FilmSearchFilter()
    : WebSearchFilter(ORV_CATEGORY_VIDEO, "results page returned (400 chars) :\n", 400),
      table_(MakeOptionTable(options_, Web())) {}

std::unique_ptr<ui::DialogLogic> FilmSearchFilter::MakeOptionsDialog() {
  return std::make_unique<FilmOptionsDialog>(table_, options_, Web(), Site());
}

bool FilmSearchFilter::LoadSite() {
  std::optional<SiteDescription> site = LoadSiteDescription(Site(), options_.selFilter);
  if (!site) return false;
  site_ = std::move(*site);
  keywords_.wide = platform::LoadResourceString(kStringWideKeywords);
  keywords_.fullScreen = platform::LoadResourceString(kStringFullScreenKeywords);
  keywords_.sound = platform::LoadResourceString(kStringSoundKeywords);
  return true;
}

bool FilmSearchFilter::IsListPage(const std::string& page) {
  // An empty marker is found at the start of any page, as the site file has always meant.
  const auto found = [&](const std::string& marker) {
    return page.find(marker) != std::string::npos;
  };
  const auto mark = [&](const std::string& marker) { return found(marker) ? "ok" : "nok"; };
  const bool list = found(site_.listName) || found(site_.listFound1) || found(site_.listFound2);
  if (list) {
    Debug(FormatText("Listname=%s : %s\nListFound1=%s : %s\nListFound2=%s : %s",
                     site_.listName.c_str(), mark(site_.listName), site_.listFound1.c_str(),
                     mark(site_.listFound1), site_.listFound2.c_str(), mark(site_.listFound2)));
  }
  return list;
}

std::string FilmSearchFilter::ExpectedMarkers() const {
  std::string names;
  const auto add = [&](const char* key, const std::string& value) {
    if (value.empty()) return;
    if (!names.empty()) names += ", ";
    names += websearch::MarkerName(key, value);
  };
  add("ResultName", site_.resultName);
  add("ListName", site_.listName);
  add("ListFound1", site_.listFound1);
  add("ListFound2", site_.listFound2);
  return names;
}

websearch::WebSearchFilter::Found FilmSearchFilter::Search() {
  Found found;
  const websearch::SiteFile file = Site();
  const std::string section = text::ToUpperAscii(options_.selFilter);
  // The caption is the description as the site list shows it: its first "|" piece.
  FilmKeywordDialog keywords(
      GetListPiece(1, file.Value(section, "SiteDesc"), "", "|", EmptyPiece::kDefaultText),
      file.Value(section, "SearchField"));
  if (ui::RunModalDialog(websearch::kDialogKeywords, keywords) != ui::DialogResult::kOk) {
    return found;  // "Arrêter": the run ends
  }
  const std::string address = SearchAddress(keywords.Keywords());
  std::string page;
  if (!FetchPage(address, 6, page)) return found;
  Debug("Search page returned (300 chars) :\n" + websearch::FirstCharacters(page, 300));

  if (!site_.listNotFound.empty() && page.find(site_.listNotFound) != std::string::npos) {
    return EndWith(websearch::NoHit(address));
  }
  if (!site_.resultName.empty() && page.find(site_.resultName) != std::string::npos) {
    return ResultPage(std::move(page), address);
  }
  // A page that is neither a result nor a list is what a site sends when it changed or refused
  // the search: the run ends there.
  if (!IsListPage(page)) return EndWith(websearch::PageFailure(address, page, ExpectedMarkers()));

  const std::vector<FilmHit> hits =
      ScanFilmHits(page, site_, Rules(), platform::LoadResourceString(websearch::kStringUntitled),
                   [&](int number, const FilmHit& hit) {
                     Debug(FormatText("item number:%d\nitem title=%s\nitem url=%s", number,
                                      hit.name.c_str(), hit.address.c_str()));
                   });
  if (hits.empty()) return EndWith(websearch::NoHit(address));
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> addresses;
  for (const FilmHit& hit : hits) {
    rows.push_back({hit.name});
    addresses.push_back(hit.address);
  }
  const std::vector<ui::ListColumn> columns =
      websearch::ListColumns(platform::LoadResourceString(websearch::kStringHitColumns), ",", 1);
  return ChooseHits(columns, std::move(rows), addresses);
}

std::string FilmSearchFilter::SearchAddress(const std::string& keywords) const {
  return site_.searchUrl + websearch::EncodeKeywords(keywords, "+", site_.searchCharset);
}

void FilmSearchFilter::FillItem(MediaItem& item, const std::string& page) {
  item.medium = MediumCode(ORV_CATEGORY_VIDEO, options_.defVideo);
  item.sound = options_.defSound;
  item.format1 = options_.defFormat;
  item.format2 = options_.defScreen;
  item.price = static_cast<float>(options_.defValue);
  CopyFixedText(item.length, sizeof item.length, options_.defTime.substr(0, 9));
  FillItemFromPage(item, page, site_, Rules(), keywords_);
}

std::string FilmSearchFilter::Confirmation(const MediaItem& item) {
  const std::string format = platform::LoadResourceString(websearch::kStringConfirm);
  return FormatText(format.c_str(), StringOf(item.title).c_str(), StringOf(item.editor).c_str(),
                    StringOf(item.author).c_str());
}

}  // namespace orv::filmsearch
