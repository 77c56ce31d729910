#include "filmcard/filmcard_options.h"

#include "filmcard/resource_ids.h"
#include "platform/resources.h"

namespace orv::filmcard {

std::string DefaultTimeText() {
  std::string text = platform::LoadResourceString(kStringDefaultTime);
  return text.size() >= 8 ? text : "01:30:00";
}

OptionTable MakeOptionTable(FilmcardOptions& o) {
  using C = OptionControl;
  return {
      IntOption("UseCountry", &o.useCountry, 0, C::kCheckBox, kIdUseCountry),
      IntOption("AllFiles", &o.allFiles, 1, C::kRadio, kIdOneFile, 2),
      IntOption("DefScreen", &o.defScreen, 1, C::kComboBox, kIdScreenFormat),
      IntOption("DefFormat", &o.defFormat, 0, C::kComboBox, kIdVideoFormat),
      IntOption("DefSound", &o.defSound, 7, C::kComboBox, kIdSound),
      IntOption("DefSupport", &o.defSupport, 3, C::kComboBox, kIdSupport),
      TextOption("DefValue", &o.defValue, "0", C::kEdit, kIdValue),
      TextOption("DefTime", &o.defTime, DefaultTimeText(), C::kTime, kIdDuration),
      IntOption("SetTitle", &o.setTitle, 0, C::kRadio, kIdTitleFrench, 4),
      IntOption("SetLower", &o.setLower, 0, C::kCheckBox, kIdSetLower),
      IntOption("CopyJpeg", &o.copyJpeg, 1, C::kCheckBox, kIdCopyJpeg),
      IntOption("GetComment", &o.getComment, 0, C::kCheckBox, kIdGetComment),
  };
}

}  // namespace orv::filmcard
