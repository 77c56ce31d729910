#include "contract/options.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/option_record.h"

#include "text/ascii.h"
#include "text/number.h"

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

// An option as a profile value: its kind with its current value, or with its default.
std::optional<platform::ProfileValue> AsProfileValue(const Option& option, bool withDefault) {
  platform::ProfileValue value;
  value.name = option.key;
  if (option.integer) {
    value.isInteger = true;
    value.integer = withDefault ? option.defaultInteger : *option.integer;
  } else if (option.text) {
    value.text = withDefault ? option.defaultText : *option.text;
  } else {
    return std::nullopt;
  }
  return value;
}

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
  // What was read, with its kind and default, for a host that asks (platform/option_record.h):
  // the defaults are known here only.
  std::vector<platform::ProfileValue> read;
  for (const Option& option : table) {
    if (option.integer) {
      *option.integer = platform::ReadProfileInt(where, option.key).value_or(option.defaultInteger);
    } else if (option.text) {
      *option.text = platform::ReadProfileText(where, option.key).value_or(option.defaultText);
    }
    if (std::optional<platform::ProfileValue> value = AsProfileValue(option, true)) {
      read.push_back(std::move(*value));
    }
  }
  platform::NoteOptionReads(where, read);
}

bool SaveOptions(const OptionTable& table, const platform::ProfileLocation& where) {
  std::vector<platform::ProfileValue> values;
  for (const Option& option : table) {
    if (std::optional<platform::ProfileValue> value = AsProfileValue(option, false)) {
      values.push_back(std::move(*value));
    }
  }
  return platform::WriteProfileValues(where, values);
}

std::optional<int32_t> EditNumber(std::string_view text) {
  text = text::TrimAsciiBlanks(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::optional<int> digits = text::ParseDigits(text, 9);
  if (!digits) return std::nullopt;
  return negative ? -*digits : *digits;
}

bool IntegerEditsHoldNumbers(const OptionTable& table, const ui::DialogModel& model) {
  for (const Option& option : table) {
    if (option.control == OptionControl::kEdit && option.integer && model.Find(option.controlId) &&
        !EditNumber(model.Text(option.controlId))) {
      return false;
    }
  }
  return true;
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
      case OptionControl::kComboBox: model.Select(option.controlId, *option.integer); break;
      case OptionControl::kEdit:
        model.SetText(option.controlId,
                      option.integer ? std::to_string(*option.integer) : *option.text);
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
      case OptionControl::kComboBox: *option.integer = model.Selection(option.controlId); break;
      case OptionControl::kEdit:
        if (option.integer) {
          const std::optional<int32_t> number = EditNumber(model.Text(option.controlId));
          if (number) *option.integer = *number;
        } else {
          *option.text = model.Text(option.controlId);
        }
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
