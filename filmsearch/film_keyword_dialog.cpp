#include "filmsearch/film_keyword_dialog.h"

#include "filmsearch/resource_ids.h"

namespace orv::filmsearch {

void FilmKeywordDialog::OnInit(ui::DialogModel& model) {
  if (!caption_.empty()) model.caption = caption_;
  if (!label_.empty()) model.SetText(kIdSearchLabel, label_);
}

}  // namespace orv::filmsearch
