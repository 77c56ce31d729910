// The choice among the matches a query offers (several, or only inexact ones): one row per
// match (category, identifier, artist / title), the first selected, and a last row "Aucun de
// ceux-ci" that takes none. A double click acts as OK.
#ifndef ORV_DISCFETCH_MATCH_CHOICE_DIALOG_H
#define ORV_DISCFETCH_MATCH_CHOICE_DIALOG_H

#include <optional>
#include <vector>

#include "discfetch/cddb_types.h"
#include "platform/ui.h"

namespace orv::discfetch {

class MatchChoiceDialog : public ui::DialogLogic {
 public:
  MatchChoiceDialog(const std::vector<QueryMatch>& matches, int position)
      : matches_(matches), position_(position) {}

  void OnInit(ui::DialogModel& model) override;
  bool OnOk(ui::DialogModel& model) override;
  bool OnDoubleClick(ui::DialogModel& model, int controlId) override;

  // The chosen row: a match's index, or the number of matches for "Aucun de ceux-ci".
  int Chosen() const { return chosen_; }

 private:
  const std::vector<QueryMatch>& matches_;
  int position_;
  int chosen_ = 0;
};

// What the user chose for disc `position`.
struct MatchChoice {
  bool cancelled = false;
  std::optional<size_t> match;  // none: "Aucun de ceux-ci"
};
MatchChoice ChooseMatch(const std::vector<QueryMatch>& matches, int position);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_MATCH_CHOICE_DIALOG_H
