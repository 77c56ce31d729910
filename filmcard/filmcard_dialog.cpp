#include "filmcard/filmcard_dialog.h"

#include "contract/list_piece.h"
#include "filmcard/resource_ids.h"
#include "platform/resources.h"
#include "text/codepage.h"

namespace orv::filmcard {
namespace {

std::vector<std::string> ListOfString(int id) {
  return ListPieces(platform::LoadResourceString(id), "|", EmptyPiece::kEmptyText);
}

}  // namespace

std::vector<std::string> SupportEntries() {
  static const char* const kEntriesUtf8[] = {"Laserdisc", "Cassette", "(s)VCD",  "DVD",
                                             "DVD R/W",   "DVCam",    "BetaCam", "Carte Mémoire"};
  std::vector<std::string> entries;
  for (const char* entry : kEntriesUtf8) entries.push_back(text::Utf8ToUser(entry));
  return entries;
}

void FilmcardDialog::Prepare(ui::DialogModel& model) {
  // The picker reads hours, minutes and seconds at fixed places: a shorter text cannot be read.
  if (options_.defTime.size() < 8) options_.defTime = DefaultTimeText();
  model.SetItems(kIdSound, ListOfString(kStringSoundList));
  model.SetItems(kIdVideoFormat, ListOfString(kStringFormat1List));
  model.SetItems(kIdScreenFormat, ListOfString(kStringFormat2List));
  model.SetItems(kIdSupport, SupportEntries());
}

}  // namespace orv::filmcard
