#include "platform/win32/control_kind.h"

#include <commctrl.h>

#include "text/ascii.h"

namespace orv::platform::win32 {

bool IsEditableCombo(ui::ControlKind kind, DWORD style) {
  return kind == ui::ControlKind::kComboBox && (style & 3) != CBS_DROPDOWNLIST;
}

ui::ControlKind KindOfControl(std::string_view className, DWORD style) {
  using ui::ControlKind;
  if (text::EqualsIgnoringAsciiCase(className, "Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX:
        return ControlKind::kGroupBox;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
        return ControlKind::kCheckBox;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        return ControlKind::kRadioButton;
      default:
        return ControlKind::kButton;
    }
  }
  if (text::EqualsIgnoringAsciiCase(className, "Edit")) return ControlKind::kEdit;
  if (text::EqualsIgnoringAsciiCase(className, "ComboBox")) return ControlKind::kComboBox;
  if (text::EqualsIgnoringAsciiCase(className, DATETIMEPICK_CLASSA))
    return ControlKind::kTimePicker;
  if (text::EqualsIgnoringAsciiCase(className, WC_LISTVIEWA)) return ControlKind::kListView;
  return ControlKind::kLabel;
}

std::string_view ClassOfOrdinal(WORD ordinal) {
  switch (ordinal) {
    case 0x0080:
      return "Button";
    case 0x0081:
      return "Edit";
    case 0x0082:
      return "Static";
    case 0x0083:
      return "ListBox";
    case 0x0084:
      return "ScrollBar";
    case 0x0085:
      return "ComboBox";
    default:
      return "";
  }
}

}  // namespace orv::platform::win32
