#include "contract/options_dialog.h"

namespace orv {

void OptionsDialog::OnInit(ui::DialogModel& model) {
  Prepare(model);
  PushOptions(table_, model);
}

bool OptionsDialog::OnOk(ui::DialogModel& model) {
  if (!IntegerEditsHoldNumbers(table_, model) || !Accept(model)) return false;
  PullOptions(table_, model);
  return true;
}

}  // namespace orv
