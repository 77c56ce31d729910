// The options dialog every filter shows from Configure: its controls are bound to the option
// table. Filters derive from it to fill their lists and to validate OK.
#ifndef ORV_CONTRACT_OPTIONS_DIALOG_H
#define ORV_CONTRACT_OPTIONS_DIALOG_H

#include "contract/options.h"
#include "platform/ui.h"

namespace orv {

class OptionsDialog : public ui::DialogLogic {
 public:
  explicit OptionsDialog(const OptionTable& table) : table_(table) {}

  // Prepare (lists), then the option values into the controls.
  void OnInit(ui::DialogModel& model) override;
  // Integer fields must hold numbers, then Accept (validation); when either refuses, the
  // dialog stays open and no option changes.
  bool OnOk(ui::DialogModel& model) override;

 protected:
  virtual void Prepare(ui::DialogModel& model) { (void)model; }
  virtual bool Accept(ui::DialogModel& model) {
    (void)model;
    return true;
  }

  const OptionTable& table_;
};

}  // namespace orv

#endif  // ORV_CONTRACT_OPTIONS_DIALOG_H
