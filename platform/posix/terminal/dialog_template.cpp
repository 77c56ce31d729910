// The dialog model as the module's dialog template makes it.
#include "platform/posix/resource_table.h"
#include "platform/ui.h"

namespace orv::ui {

DialogModel LoadDialogModel(int dialogId) {
  DialogModel model;
  const platform::ResourceDialog* dialog = platform::FindResourceDialog(dialogId);
  if (!dialog) return model;
  model.id = dialog->id;
  model.caption = dialog->caption ? dialog->caption : "";
  model.controls.reserve(dialog->controlCount);
  for (std::size_t i = 0; i < dialog->controlCount; ++i) {
    const platform::ResourceControl& row = dialog->controls[i];
    Control control;
    control.id = row.id;
    const bool knownKind = row.kind >= static_cast<int>(ControlKind::kLabel) &&
                           row.kind <= static_cast<int>(ControlKind::kListView);
    control.kind = knownKind ? static_cast<ControlKind>(row.kind) : ControlKind::kLabel;
    // An icon's or picture's text only names its resource ("#130"): nothing to show.
    const bool picture =
        platform::HasStyle(row.styles, "SS_ICON") || platform::HasStyle(row.styles, "SS_BITMAP");
    if (row.text && !picture) control.text = row.text;
    control.groupStart = row.groupStart;
    control.enabled = !row.disabled;
    control.editable = control.kind == ControlKind::kComboBox &&
                       !platform::HasStyle(row.styles, "CBS_DROPDOWNLIST");
    model.controls.push_back(std::move(control));
  }
  return model;
}

}  // namespace orv::ui
