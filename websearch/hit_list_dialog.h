// The hit list (dialog 1002): one row per hit, several may be chosen, OK needs one at least and
// a double click acts as OK. Also the column layout both lists of the web search read from a
// resource string.
#ifndef ORV_WEBSEARCH_HIT_LIST_DIALOG_H
#define ORV_WEBSEARCH_HIT_LIST_DIALOG_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace orv::websearch {

// `count` columns from a list of names followed by widths ("Titre,370", "Site
// web,Description,120,225"): names default to "?", widths to 80.
std::vector<ui::ListColumn> ListColumns(std::string_view layout, std::string_view separator,
                                        int count);

class HitListDialog : public ui::DialogLogic {
 public:
  HitListDialog(std::vector<ui::ListColumn> columns, std::vector<std::vector<std::string>> rows)
      : columns_(std::move(columns)), rows_(std::move(rows)) {}

  void OnInit(ui::DialogModel& model) override;
  bool OnOk(ui::DialogModel& model) override;
  bool OnDoubleClick(ui::DialogModel& model, int controlId) override;

  // The chosen rows, in list order.
  const std::vector<int>& Chosen() const { return chosen_; }

 private:
  std::vector<ui::ListColumn> columns_;
  std::vector<std::vector<std::string>> rows_;
  std::vector<int> chosen_;
};

// Shows the hit list; the chosen rows in list order, nothing when it was cancelled.
bool ChooseHits(std::vector<ui::ListColumn> columns, std::vector<std::vector<std::string>> rows,
                std::vector<int>& chosen);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_HIT_LIST_DIALOG_H
