#include "filmsearch/film_options.h"

#include "filmsearch/resource_ids.h"
#include "platform/resources.h"

namespace orv::filmsearch {

std::string DefaultTimeText() {
  std::string text = platform::LoadResourceString(kStringDefaultTime);
  return text.size() >= 8 ? text : "01:00:00";
}

OptionTable MakeOptionTable(FilmOptions& o, websearch::WebOptions& web) {
  using C = OptionControl;
  OptionTable table = {
      IntOption("DefVideo", &o.defVideo, 3, C::kComboBox, kIdSupport),
      IntOption("DefFormat", &o.defFormat, 0, C::kComboBox, kIdVideoFormat),
      IntOption("DefScreen", &o.defScreen, 1, C::kComboBox, kIdScreenFormat),
      IntOption("DefSound", &o.defSound, 5, C::kComboBox, kIdSound),
      TextOption("DefTime", &o.defTime, DefaultTimeText(), C::kTime, kIdDuration),
      // A number box: shown and read by the dialog itself.
      IntOption("DefValue", &o.defValue, 15),
  };
  websearch::AppendWebOptions(table, web);
  table.push_back(TextOption("SelFilter", &o.selFilter, ""));
  return table;
}

}  // namespace orv::filmsearch
