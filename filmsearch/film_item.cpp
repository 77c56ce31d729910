#include "filmsearch/film_item.h"

#include "contract/filter.h"
#include "text/number.h"
#include "websearch/item_values.h"
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
  text(site.title, &item.title);
  text(site.type, &item.type);
  text(site.editor, &item.editor);
  text(site.author, &item.author);
  if (const std::string year = value(site.year); !year.empty()) {
    item.year = text::IntegerValue(year);
  }
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
  websearch::AssignFound(&item.image,
                         websearch::PictureValue(page, site.picture, site.webRoot, true, rules));
}

}  // namespace orv::filmsearch
