#include "filmsearch/film_site.h"

#include "contract/list_piece.h"
#include "text/ascii.h"

namespace orv::filmsearch {

std::optional<SiteDescription> LoadSiteDescription(const websearch::SiteFile& file,
                                                   std::string_view siteName) {
  if (!file.Exists() || siteName.empty()) return std::nullopt;
  const std::string section = text::ToUpperAscii(siteName);
  const auto value = [&](const char* key) { return file.Value(section, key); };
  SiteDescription site;
  site.webRoot = value("WebRoot");
  if (site.webRoot.empty()) return std::nullopt;
  site.searchUrl = value("SearchURL");
  if (site.searchUrl.empty()) return std::nullopt;
  site.listName = value("ListName");
  site.listFound1 = value("ListFound1");
  site.listFound2 = value("ListFound2");
  site.listNotFound = value("ListNotFound");
  site.resultName = value("ResultName");
  site.listResult = value("ListResult");
  site.hitName = file.Markers(section, "ListResult2");
  const auto pair = [&](const char* name) {
    return file.Markers(section, std::string("Result_") + name);
  };
  site.title = pair("Title");
  site.type = pair("Type");
  site.editor = pair("Editor");
  site.author = pair("Author");
  site.year = pair("Year");
  site.time = pair("Time");
  site.date = pair("Date");
  site.lang = pair("Lang");
  site.author2 = pair("Author2");
  site.note = pair("Note");
  site.comment = pair("Comment");
  site.price = pair("Price");
  site.sound = pair("Sound");
  site.screen = pair("Screen");
  site.picture = pair("Picture");
  site.searchCharset = websearch::KeywordCharsetNamed(value("SearchCharset"));
  site.structuredData = file.IntValue(section, "StructuredData", 0) != 0;
  return site;
}

std::vector<SiteRow> ListSites(const websearch::SiteFile& file, int wantedType) {
  std::vector<SiteRow> rows;
  for (const std::string& name : file.NumberedValues("INDEX", "?")) {
    const std::string section = text::ToUpperAscii(name);
    const std::string description = file.Value(section, "SiteDesc", "?");
    if (description != "?" && file.IntValue(section, "ItemType", 0) != wantedType) break;
    rows.push_back({GetListPiece(1, name, "?", "|", EmptyPiece::kDefaultText),
                    GetListPiece(1, description, "?", "|", EmptyPiece::kDefaultText)});
  }
  return rows;
}

}  // namespace orv::filmsearch
