// The logic of the options dialog 129: the radios that enable the forced categories and the
// filter edit, the button that lists the recognised formats, and the folder browser.
#ifndef ORV_FILESCAN_FILESCAN_DIALOG_H
#define ORV_FILESCAN_FILESCAN_DIALOG_H

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "contract/options_dialog.h"
#include "platform/ui.h"

namespace orv::filescan {

// What the dialog asks of the system; tests replace these.
using DialogServices = ui::Services;

class FilescanDialog : public OptionsDialog {
 public:
  explicit FilescanDialog(const OptionTable& table, DialogServices services = {})
      : OptionsDialog(table), services_(std::move(services)) {}

  void OnInit(ui::DialogModel& model) override;
  void OnClick(ui::DialogModel& model, int controlId) override;
  void OnCommand(ui::DialogModel& model, int controlId) override;

 private:
  DialogServices services_;
};

// The forced categories and check 1007 only with "Forcer la catégorie", the filter edit only
// with "Filtre :".
void ApplyEnabledControls(ui::DialogModel& model);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_FILESCAN_DIALOG_H
