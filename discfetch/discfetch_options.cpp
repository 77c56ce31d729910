#include "discfetch/discfetch_options.h"

#include "discfetch/default_server.h"
#include "discfetch/resource_ids.h"
#include "platform/resources.h"

namespace orv::discfetch {

OptionTable MakeOptionTable(DiscfetchOptions& o) {
  using C = OptionControl;
  const ServerAddress server = DefaultServer();
  return {
      IntOption("MaxCD", &o.maxCd, 74, C::kEdit, kIdMaxCd),
      IntOption("AvgTrack", &o.avgTrack, 5, C::kEdit, kIdAvgTrack),
      TextOption("DefType", &o.defType, platform::LoadResourceString(kStringUnknownType), C::kEdit,
                 kIdDefType),
      TextOption("DefValue", &o.defValue, "0", C::kEdit, kIdDefValue),
      IntOption("DefSound", &o.defSound, 1, C::kComboBox, kIdSound),
      IntOption("DefMedium", &o.defMedium, 0, C::kComboBox, kIdMedium),
      IntOption("CreateTitles", &o.createTitles, 0, C::kRadio, kIdOnePerDisc, 2),
      IntOption("IncNumber", &o.incNumber, 1, C::kCheckBox, kIdIncNumber),
      IntOption("IncArtist", &o.incArtist, 0, C::kCheckBox, kIdIncArtist),
      IntOption("CreateNotFound", &o.createNotFound, 0, C::kCheckBox, kIdCreateNotFound),
      IntOption("TracksInComment", &o.tracksInComment, 1, C::kCheckBox, kIdTracksInComment),
      // Edited in the CDDB settings dialog, whose control ids overlap this dialog's.
      TextOption("cddbsite", &o.cddbSite, server.host),
      IntOption("cddbport", &o.cddbPort, server.port),
      TextOption("cddbdesc", &o.cddbDesc, kDefaultDescription),
      IntOption("NbAttempt", &o.nbAttempt, 4),
      TextOption("CddbEmail", &o.cddbEmail, ""),
      IntOption("CddbCache", &o.cddbCache, kCacheOff),
      IntOption("FirstMatch", &o.firstMatch, 0, C::kCheckBox, kIdFirstMatch),
  };
}

OptionTable MakeSettingsTable(DiscfetchOptions& o) {
  using C = OptionControl;
  const ServerAddress server = DefaultServer();
  return {
      TextOption("cddbsite", &o.cddbSite, server.host, C::kEdit, kIdServer),
      IntOption("cddbport", &o.cddbPort, server.port, C::kEdit, kIdPort),
      TextOption("cddbdesc", &o.cddbDesc, kDefaultDescription, C::kEdit, kIdDescription),
      IntOption("NbAttempt", &o.nbAttempt, 4, C::kEdit, kIdAttempts),
      TextOption("CddbEmail", &o.cddbEmail, "", C::kEdit, kIdEmail),
      IntOption("CddbCache", &o.cddbCache, kCacheOff, C::kComboBox, kIdCacheMode),
  };
}

}  // namespace orv::discfetch
