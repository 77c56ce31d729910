#include "contract/option_meanings.h"

#include "text/ascii.h"

namespace orv {
namespace {

int IndexOf(const ui::DialogModel& model, int controlId) {
  for (size_t at = 0; at < model.controls.size(); ++at) {
    if (model.controls[at].id == controlId) return static_cast<int>(at);
  }
  return -1;
}

bool EndsWithColon(std::string_view text) {
  text = text::TrimAsciiBlanks(text);
  return !text.empty() && text.back() == ':';
}

// The nearest text before control `controlId` that names it.
std::string LabelBefore(const ui::DialogModel& model, int controlId) {
  for (int at = IndexOf(model, controlId) - 1; at >= 0; --at) {
    const ui::Control& control = model.controls[at];
    switch (control.kind) {
      case ui::ControlKind::kLabel:
        if (!LabelText(control.text).empty()) return LabelText(control.text);
        break;
      case ui::ControlKind::kGroupBox:
        return LabelText(control.text);
      case ui::ControlKind::kRadioButton:
      case ui::ControlKind::kCheckBox:
        if (EndsWithColon(control.text)) return LabelText(control.text);
        break;
      default:
        break;
    }
  }
  return "";
}

std::string RadioMeaning(const Option& option, const ui::DialogModel& model) {
  const int position = *option.integer;
  const int count =
      option.radioIds.empty() ? option.radioCount : static_cast<int>(option.radioIds.size());
  if (position < 0 || position >= count) return "";
  const int id = option.radioIds.empty() ? option.controlId + position
                                         : option.radioIds[static_cast<size_t>(position)];
  const ui::Control* button = model.Find(id);
  return button ? LabelText(button->text) : "";
}

std::string ListMeaning(const Option& option, const ui::DialogModel& model) {
  const ui::Control* list = model.Find(option.controlId);
  if (!list) return "";
  const std::string label = LabelBefore(model, option.controlId);
  const int index = *option.integer;
  if (index < 0 || static_cast<size_t>(index) >= list->items.size()) return label;
  const std::string& entry = list->items[static_cast<size_t>(index)];
  return label.empty() ? entry : label + ": " + entry;
}

}  // namespace

std::string LabelText(std::string_view text) {
  std::string label;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '&' && at + 1 < text.size()) ++at;  // the mark, or the first of "&&"
    label += text[at];
  }
  std::string_view trimmed = text::TrimAsciiBlanks(label);
  if (!trimmed.empty() && trimmed.back() == ':') {
    trimmed.remove_suffix(1);
    trimmed = text::TrimAsciiBlanks(trimmed);
  }
  return std::string(trimmed);
}

std::vector<platform::OptionMeaning> OptionMeanings(const OptionTable& table,
                                                    const ui::DialogModel& model) {
  std::vector<platform::OptionMeaning> meanings;
  for (const Option& option : table) {
    std::string meaning;
    switch (option.control) {
      case OptionControl::kNone:
        break;
      case OptionControl::kCheckBox:
        if (const ui::Control* box = model.Find(option.controlId)) meaning = LabelText(box->text);
        break;
      case OptionControl::kRadio:
        if (option.integer) meaning = RadioMeaning(option, model);
        break;
      case OptionControl::kComboBox:
        if (option.integer) meaning = ListMeaning(option, model);
        break;
      case OptionControl::kEdit:
      case OptionControl::kTime:
        if (model.Find(option.controlId)) meaning = LabelBefore(model, option.controlId);
        break;
    }
    if (!meaning.empty()) meanings.push_back(platform::OptionMeaning{option.key, meaning});
  }
  return meanings;
}

}  // namespace orv
