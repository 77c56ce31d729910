// The DialogModel helpers, shared by the Linux and Windows builds. They follow what the matching
// window messages do, so that logic tested on the model behaves the same on real controls.
#include <algorithm>

#include "platform/ui.h"

namespace orv::ui {

Control* DialogModel::Find(int controlId) {
  for (Control& control : controls) {
    if (control.id == controlId) return &control;
  }
  return nullptr;
}

const Control* DialogModel::Find(int controlId) const {
  for (const Control& control : controls) {
    if (control.id == controlId) return &control;
  }
  return nullptr;
}

std::string DialogModel::Text(int controlId) const {
  const Control* control = Find(controlId);
  if (!control) return std::string();
  // A drop-down list's window text is its selected entry; an editable one has its own.
  if (control->kind == ControlKind::kComboBox && !control->editable) {
    const int at = control->selection;
    return at >= 0 && static_cast<size_t>(at) < control->items.size() ? control->items[at]
                                                                      : std::string();
  }
  return control->text;
}

void DialogModel::SetText(int controlId, std::string_view text) {
  if (Control* control = Find(controlId)) control->text = std::string(text);
}

int DialogModel::Checked(int controlId) const {
  const Control* control = Find(controlId);
  return control ? control->checked : 0;
}

void DialogModel::SetChecked(int controlId, int checked) {
  if (Control* control = Find(controlId)) control->checked = checked != 0 ? 1 : 0;
}

void DialogModel::SetItems(int controlId, std::vector<std::string> items) {
  Control* control = Find(controlId);
  if (!control) return;
  control->items = std::move(items);
  control->selection = -1;  // refilling a list drops its selection
}

int DialogModel::Selection(int controlId) const {
  const Control* control = Find(controlId);
  return control ? control->selection : -1;
}

void DialogModel::Select(int controlId, int index) {
  Control* control = Find(controlId);
  if (!control) return;
  // Like CB_SETCURSEL: an index outside the list clears the selection.
  const bool inside = index >= 0 && static_cast<size_t>(index) < control->items.size();
  control->selection = inside ? index : -1;
  // An editable combo box shows the chosen entry in its edit field.
  if (inside && control->editable) control->text = control->items[index];
}

int DialogModel::RadioPosition(int firstId, int count) const {
  for (int position = 0; position < count; ++position) {
    if (Checked(firstId + position)) return position;
  }
  return 0;
}

void DialogModel::SetRadioPosition(int firstId, int count, int position) {
  for (int at = 0; at < count; ++at) SetChecked(firstId + at, at == position ? 1 : 0);
}

void DialogModel::CheckRadio(int controlId) {
  const auto self = std::find_if(controls.begin(), controls.end(),
                                 [&](const Control& c) { return c.id == controlId; });
  if (self == controls.end()) return;
  // The group runs from the nearest group start at or before the button to the next one.
  auto first = self;
  while (first != controls.begin() && !first->groupStart) --first;
  auto last = self + 1;
  while (last != controls.end() && !last->groupStart) ++last;
  for (auto it = first; it != last; ++it) {
    if (it->kind == ControlKind::kRadioButton) it->checked = 0;
  }
  self->checked = 1;
}

}  // namespace orv::ui
