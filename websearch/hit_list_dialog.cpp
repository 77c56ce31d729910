#include "websearch/hit_list_dialog.h"

#include <algorithm>

#include "contract/list_piece.h"
#include "text/number.h"
#include "websearch/web_ids.h"

namespace orv::websearch {

std::vector<ui::ListColumn> ListColumns(std::string_view layout, std::string_view separator,
                                        int count) {
  std::vector<ui::ListColumn> columns;
  for (int i = 1; i <= count; ++i) {
    ui::ListColumn column;
    column.title = GetListPiece(i, layout, "?", separator, EmptyPiece::kDefaultText);
    column.width = text::IntegerValue(
        GetListPiece(i + count, layout, "80", separator, EmptyPiece::kDefaultText));
    columns.push_back(std::move(column));
  }
  return columns;
}

void HitListDialog::OnInit(ui::DialogModel& model) {
  if (ui::Control* list = model.Find(kIdHitList)) {
    list->columns = columns_;
    list->rows = rows_;
    list->selectedRows.clear();
  }
}

bool HitListDialog::OnOk(ui::DialogModel& model) {
  const ui::Control* list = model.Find(kIdHitList);
  if (!list || list->selectedRows.empty()) return false;
  chosen_ = list->selectedRows;
  std::sort(chosen_.begin(), chosen_.end());
  chosen_.erase(std::unique(chosen_.begin(), chosen_.end()), chosen_.end());
  return true;
}

bool HitListDialog::OnDoubleClick(ui::DialogModel& model, int controlId) {
  (void)model;
  return controlId == kIdHitList;
}

bool ChooseHits(std::vector<ui::ListColumn> columns, std::vector<std::vector<std::string>> rows,
                std::vector<int>& chosen) {
  HitListDialog dialog(std::move(columns), std::move(rows));
  if (ui::RunModalDialog(kDialogHits, dialog) != ui::DialogResult::kOk) return false;
  chosen = dialog.Chosen();
  return true;
}

}  // namespace orv::websearch
