#include "contract/options.h"

#include <cstdio>
#include <cstdlib>

namespace orv {

Option IntOption(std::string key, int32_t* value, int32_t defaultValue, OptionControl control,
                 int controlId, int radioCount) {
  Option option;
  option.key = std::move(key);
  option.integer = value;
  option.defaultInteger = defaultValue;
  option.control = control;
  option.controlId = controlId;
  option.radioCount = radioCount;
  return option;
}

Option RadioOption(std::string key, int32_t* value, int32_t defaultValue, std::vector<int> ids) {
  Option option = IntOption(std::move(key), value, defaultValue, OptionControl::kRadio,
                            ids.empty() ? 0 : ids.front(), static_cast<int>(ids.size()));
  option.radioIds = std::move(ids);
  return option;
}

Option TextOption(std::string key, std::string* value, std::string defaultValue,
                  OptionControl control, int controlId) {
  Option option;
  option.key = std::move(key);
  option.text = value;
  option.defaultText = std::move(defaultValue);
  option.control = control;
  option.controlId = controlId;
  return option;
}

namespace {

int RadioPositionOf(const Option& option, const ui::DialogModel& model) {
  if (option.radioIds.empty()) return model.RadioPosition(option.controlId, option.radioCount);
  for (size_t position = 0; position < option.radioIds.size(); ++position) {
    if (model.Checked(option.radioIds[position])) return static_cast<int>(position);
  }
  return 0;
}

void SetRadioPositionOf(const Option& option, ui::DialogModel& model, int position) {
  if (option.radioIds.empty()) {
    model.SetRadioPosition(option.controlId, option.radioCount, position);
    return;
  }
  for (size_t at = 0; at < option.radioIds.size(); ++at) {
    model.SetChecked(option.radioIds[at], static_cast<int>(at) == position ? 1 : 0);
  }
}

}  // namespace

void LoadOptions(const OptionTable& table, const platform::ProfileLocation& where) {
  for (const Option& option : table) {
    if (option.integer) {
      *option.integer = platform::ReadProfileInt(where, option.key).value_or(option.defaultInteger);
    } else if (option.text) {
      *option.text = platform::ReadProfileText(where, option.key).value_or(option.defaultText);
    }
  }
}

bool SaveOptions(const OptionTable& table, const platform::ProfileLocation& where) {
  std::vector<platform::ProfileValue> values;
  for (const Option& option : table) {
    platform::ProfileValue value;
    value.name = option.key;
    if (option.integer) {
      value.isInteger = true;
      value.integer = *option.integer;
    } else if (option.text) {
      value.text = *option.text;
    } else {
      continue;
    }
    values.push_back(std::move(value));
  }
  return platform::WriteProfileValues(where, values);
}

void PushOptions(const OptionTable& table, ui::DialogModel& model) {
  for (const Option& option : table) {
    switch (option.control) {
      case OptionControl::kNone:
        break;
      case OptionControl::kCheckBox:
        model.SetChecked(option.controlId, *option.integer != 0);
        break;
      case OptionControl::kRadio:
        SetRadioPositionOf(option, model, *option.integer);
        break;
      case OptionControl::kComboBox:
        model.Select(option.controlId, *option.integer);
        break;
      case OptionControl::kEdit:
        model.SetText(option.controlId, *option.text);
        break;
      case OptionControl::kTime:
        if (ui::Control* control = model.Find(option.controlId)) {
          TimeTextToControl(*option.text, *control);
        }
        break;
    }
  }
}

void PullOptions(const OptionTable& table, const ui::DialogModel& model) {
  for (const Option& option : table) {
    switch (option.control) {
      case OptionControl::kNone:
        break;
      case OptionControl::kCheckBox:
        *option.integer = model.Checked(option.controlId);
        break;
      case OptionControl::kRadio:
        *option.integer = RadioPositionOf(option, model);
        break;
      case OptionControl::kComboBox:
        *option.integer = model.Selection(option.controlId);
        break;
      case OptionControl::kEdit:
        *option.text = model.Text(option.controlId);
        break;
      case OptionControl::kTime:
        if (const ui::Control* control = model.Find(option.controlId)) {
          *option.text = ControlToTimeText(*control);
        }
        break;
    }
  }
}

void TimeTextToControl(const std::string& text, ui::Control& control) {
  const auto field = [&](size_t at, int limit) {
    if (text.size() < at + 2) return 0;
    const int value = std::atoi(text.substr(at, 2).c_str());
    return value >= 0 && value < limit ? value : 0;
  };
  control.hour = field(0, 24);
  control.minute = field(3, 60);
  control.second = field(6, 60);
}

std::string ControlToTimeText(const ui::Control& control) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", control.hour % 100, control.minute % 100,
                control.second % 100);
  return buffer;
}

}  // namespace orv
