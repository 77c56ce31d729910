// The options dialog (129): defaults of the imported films, the site list, the picture and
// debug choices, and the button that opens the site file.
#ifndef ORV_FILMSEARCH_FILM_OPTIONS_DIALOG_H
#define ORV_FILMSEARCH_FILM_OPTIONS_DIALOG_H

#include "filmsearch/film_options.h"
#include "websearch/web_options.h"

namespace orv::filmsearch {

class FilmOptionsDialog : public websearch::WebOptionsDialog {
 public:
  FilmOptionsDialog(const OptionTable& table, FilmOptions& options, websearch::WebOptions& web,
                    websearch::SiteFile site);

  void OnInit(ui::DialogModel& model) override;
  void OnSelectionChange(ui::DialogModel& model, int controlId) override;
  bool OnDoubleClick(ui::DialogModel& model, int controlId) override;

 protected:
  void Prepare(ui::DialogModel& model) override;
  bool Accept(ui::DialogModel& model) override;

 private:
  FilmOptions& options_;
};

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILM_OPTIONS_DIALOG_H
