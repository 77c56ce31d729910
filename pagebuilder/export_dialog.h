// The logic of the options dialog 129: the tag list, the two browse buttons, the help button
// and the check that the template exists before OK is taken.
#ifndef ORV_PAGEBUILDER_EXPORT_DIALOG_H
#define ORV_PAGEBUILDER_EXPORT_DIALOG_H

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contract/options_dialog.h"
#include "platform/ui.h"

namespace orv::pagebuilder {

// What the dialog asks of the system; tests replace these.
using DialogServices = ui::Services;

class ExportDialog : public OptionsDialog {
 public:
  explicit ExportDialog(const OptionTable& table, DialogServices services = {})
      : OptionsDialog(table), services_(std::move(services)) {}

  void OnCommand(ui::DialogModel& model, int controlId) override;

 protected:
  // The tag list: columns from string 40, a row per tag of string 41 with its meaning.
  void Prepare(ui::DialogModel& model) override;
  // Refuses OK, with a message, while no file exists at the template path.
  bool Accept(ui::DialogModel& model) override;

 private:
  DialogServices services_;
};

// The columns of the tag list from "Title,Title,width,width": "?" for a missing title, 80 for a
// missing or unreadable width.
std::vector<ui::ListColumn> TagListColumns(std::string_view columnsText);
// A row per tag (walked up to the first empty piece), each with its meaning ("?" when missing).
std::vector<std::vector<std::string>> TagListRows(std::string_view tags, std::string_view meanings);

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_EXPORT_DIALOG_H
