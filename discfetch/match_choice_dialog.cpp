#include "discfetch/match_choice_dialog.h"

#include <cstdio>

#include "contract/list_piece.h"
#include "discfetch/item_builders.h"
#include "discfetch/resource_ids.h"
#include "platform/resources.h"

namespace orv::discfetch {

void MatchChoiceDialog::OnInit(ui::DialogModel& model) {
  model.SetText(kIdMatchPrompt,
                FormatNumbers(platform::LoadResourceString(kStringMatchPrompt), {position_}));
  ui::Control* list = model.Find(kIdMatchList);
  if (!list) return;
  const std::string titles = platform::LoadResourceString(kStringMatchColumns);
  const int widths[] = {70, 70, 280};
  list->columns.clear();
  for (int i = 0; i < 3; ++i) {
    list->columns.push_back(
        {GetListPiece(i + 1, titles, "", "|", EmptyPiece::kEmptyText), widths[i]});
  }
  list->rows.clear();
  for (const QueryMatch& match : matches_) {
    char id[16];
    std::snprintf(id, sizeof id, "%08x", static_cast<unsigned>(match.discId));
    const std::string disc =
        match.matchArtist.empty() ? match.matchTitle : match.matchArtist + " / " + match.matchTitle;
    list->rows.push_back({match.cddbCategory, id, disc});
  }
  list->rows.push_back({platform::LoadResourceString(kStringNoneOfThese), "", ""});
  list->selectedRows = {0};
}

bool MatchChoiceDialog::OnOk(ui::DialogModel& model) {
  const ui::Control* list = model.Find(kIdMatchList);
  if (!list || list->selectedRows.empty()) return false;
  const int row = list->selectedRows.front();
  if (row < 0 || static_cast<size_t>(row) > matches_.size()) return false;
  chosen_ = row;
  return true;
}

bool MatchChoiceDialog::OnDoubleClick(ui::DialogModel& model, int controlId) {
  (void)model;
  return controlId == kIdMatchList;
}

MatchChoice ChooseMatch(const std::vector<QueryMatch>& matches, int position) {
  MatchChoiceDialog dialog(matches, position);
  MatchChoice choice;
  if (ui::RunModalDialog(kDialogMatchChoice, dialog) != ui::DialogResult::kOk) {
    choice.cancelled = true;
    return choice;
  }
  if (static_cast<size_t>(dialog.Chosen()) < matches.size()) {
    choice.match = static_cast<size_t>(dialog.Chosen());
  }
  return choice;
}

}  // namespace orv::discfetch
