// The keyword dialog (1001) of a film site: its caption is the site's description (the first
// "|" piece of SiteDesc) and the label above the keywords its SearchField, each when the site
// file gives one.
#ifndef ORV_FILMSEARCH_FILM_KEYWORD_DIALOG_H
#define ORV_FILMSEARCH_FILM_KEYWORD_DIALOG_H

#include <string>

#include "websearch/keyword_dialog.h"

namespace orv::filmsearch {

class FilmKeywordDialog : public websearch::KeywordDialog {
 public:
  FilmKeywordDialog(std::string caption, std::string label)
      : caption_(std::move(caption)), label_(std::move(label)) {}
  void OnInit(ui::DialogModel& model) override;

 private:
  std::string caption_, label_;
};

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILM_KEYWORD_DIALOG_H
