// Declarative option tables: each filter lists its options once (key, kind, default, bound
// variable, control), in the order they are read. Configure loads them all with their defaults,
// the options dialog shows them, and OK writes them all back, changed or not.
#ifndef ORV_CONTRACT_OPTIONS_H
#define ORV_CONTRACT_OPTIONS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"
#include "platform/ui.h"

namespace orv {

enum class OptionControl {
  kNone,      // stored, but not shown in the dialog
  kCheckBox,  // 0 or 1
  kRadio,     // 0-based position in a group of `radioCount` buttons with consecutive ids, or
              // of the buttons listed in `radioIds` when their ids are not consecutive
  kComboBox,  // 0-based index of the selection
  kEdit,      // text
  kTime,      // text "HH:MM:SS" shown in a time picker
};

struct Option {
  std::string key;
  int32_t* integer = nullptr;  // exactly one of integer and text is set
  std::string* text = nullptr;
  int32_t defaultInteger = 0;
  std::string defaultText;
  OptionControl control = OptionControl::kNone;
  int controlId = 0;
  int radioCount = 0;
  std::vector<int> radioIds;
};

Option IntOption(std::string key, int32_t* value, int32_t defaultValue,
                 OptionControl control = OptionControl::kNone, int controlId = 0,
                 int radioCount = 0);
// A radio group whose buttons, in position order, have the ids listed.
Option RadioOption(std::string key, int32_t* value, int32_t defaultValue, std::vector<int> ids);
Option TextOption(std::string key, std::string* value, std::string defaultValue,
                  OptionControl control = OptionControl::kNone, int controlId = 0);

using OptionTable = std::vector<Option>;

// Every option from the profile, each with its default when missing. Each option's key, kind
// and default are noted for a host that records what a filter reads (platform/option_record.h).
void LoadOptions(const OptionTable& table, const platform::ProfileLocation& where);
// Every option to the profile; false when the store could not be written.
bool SaveOptions(const OptionTable& table, const platform::ProfileLocation& where);

// The number an edit box bound to an integer option holds: decimal digits with an optional
// minus sign, blanks around them allowed. Nothing for any other text.
std::optional<int32_t> EditNumber(std::string_view text);
// False when an edit box bound to an integer option holds no number: OK is then refused, the
// way the system's integer fields refuse it.
bool IntegerEditsHoldNumbers(const OptionTable& table, const ui::DialogModel& model);

// Option values into the dialog's controls, and back. An edit box bound to an integer option
// shows it in decimal.
void PushOptions(const OptionTable& table, ui::DialogModel& model);
void PullOptions(const OptionTable& table, const ui::DialogModel& model);

// "HH:MM:SS" <-> a time picker's fields. Parsing takes characters 1-2, 4-5 and 7-8.
void TimeTextToControl(const std::string& text, ui::Control& control);
std::string ControlToTimeText(const ui::Control& control);

}  // namespace orv

#endif  // ORV_CONTRACT_OPTIONS_H
