#include "filmsearch/film_item.h"

#include "contract/filter.h"
#include "text/number.h"
#include "websearch/item_values.h"
#include "websearch/links.h"
#include "websearch/structured_data.h"
#include "websearch/value_rules.h"

namespace orv::filmsearch {

using websearch::ExtractBetween;

void FillItemFromPage(MediaItem& item, std::string_view page, const SiteDescription& site,
                      const websearch::ExtractionRules& rules, const KeywordLists& keywords) {
  const auto value = [&](const Markers& markers) {
    return ExtractBetween(page, markers.start, markers.end, true, rules);
  };
  const auto text = [&](const Markers& markers, HostString* field) {
    websearch::AssignFound(field, value(markers));
  };
  item.category = ORV_CATEGORY_VIDEO;
  std::string title = value(site.title);
  text(site.type, &item.type);
  text(site.editor, &item.editor);
  std::string author = value(site.author);
  std::string year = value(site.year);
  if (const std::string time = value(site.time); !time.empty()) {
    CopyFixedText(item.length, sizeof item.length, websearch::RunningTime(time).substr(0, 9));
  }
  value(site.date);  // read like the others, for the debug messages; no field takes it
  text(site.lang, &item.lang);
  text(site.author2, &item.coauthor);
  if (const std::string note = value(site.note); !note.empty()) {
    item.rating = websearch::Rating(note);
  }
  text(site.comment, &item.comment);
  if (const std::string price = value(site.price); !price.empty()) {
    item.price = static_cast<float>(websearch::PriceValue(price));
  }
  if (const std::string sound = value(site.sound); !sound.empty()) {
    if (const auto code = websearch::LastKeywordMatch(sound, keywords.sound)) item.sound = *code;
  }
  if (const std::string screen = value(site.screen); !screen.empty()) {
    if (const auto code = websearch::ScreenCode(screen, keywords.fullScreen, keywords.wide)) {
      item.format2 = *code;
    }
  }
  std::string picture = websearch::PictureValue(page, site.picture, site.webRoot, true, rules);

  if (site.structuredData && (title.empty() || author.empty() || year.empty() || picture.empty())) {
    const websearch::StructuredValues found =
        websearch::ReadStructuredData(page, websearch::StructuredKind::kFilm);
    const auto repaired = [&](const std::string& text) {
      return rules.fixCapitals ? websearch::FixCapitals(text) : text;
    };
    if (title.empty()) title = repaired(found.title);
    if (author.empty()) author = repaired(found.director);
    if (year.empty()) year = found.year;
    if (picture.empty() && !found.picture.empty()) {
      picture = websearch::AbsoluteLink(found.picture, site.webRoot);
    }
  }
  websearch::AssignFound(&item.title, title);
  websearch::AssignFound(&item.author, author);
  if (!year.empty()) item.year = text::IntegerValue(year);
  websearch::AssignFound(&item.image, picture);
}

}  // namespace orv::filmsearch
