#include "tools/rcgen/rc_styles.h"

#include <algorithm>
#include <cstddef>

#include "text/ascii.h"

namespace orv::platform {
namespace {

// Members of one family are values of one type field, not separate bits.
const std::vector<std::vector<std::string_view>>& Families() {
  static const std::vector<std::vector<std::string_view>> families = {
      {"BS_PUSHBUTTON", "BS_DEFPUSHBUTTON", "BS_CHECKBOX", "BS_AUTOCHECKBOX", "BS_RADIOBUTTON",
       "BS_3STATE", "BS_AUTO3STATE", "BS_GROUPBOX", "BS_USERBUTTON", "BS_AUTORADIOBUTTON",
       "BS_OWNERDRAW"},
      {"SS_LEFT", "SS_CENTER", "SS_RIGHT", "SS_ICON", "SS_LEFTNOWORDWRAP", "SS_SIMPLE"},
      {"ES_LEFT", "ES_CENTER", "ES_RIGHT"},
      {"CBS_SIMPLE", "CBS_DROPDOWN", "CBS_DROPDOWNLIST"},
      {"LVS_ICON", "LVS_REPORT", "LVS_SMALLICON", "LVS_LIST"},
  };
  return families;
}

struct NamedBit {
  const char* name;
  uint32_t bit;
};
const NamedBit kNamedBits[] = {
    {"WS_TABSTOP", 0x00010000u}, {"WS_GROUP", 0x00020000u},  {"WS_HSCROLL", 0x00100000u},
    {"WS_VSCROLL", 0x00200000u}, {"WS_BORDER", 0x00800000u}, {"WS_DISABLED", 0x08000000u},
    {"WS_VISIBLE", 0x10000000u}, {"WS_CHILD", 0x40000000u},
};

const ControlStatement kStatements[] = {
    {"LTEXT", "Static", ui::ControlKind::kLabel, "SS_LEFT|WS_GROUP", "SS_LEFT", true},
    {"RTEXT", "Static", ui::ControlKind::kLabel, "SS_RIGHT|WS_GROUP", "SS_RIGHT", true},
    {"CTEXT", "Static", ui::ControlKind::kLabel, "SS_CENTER|WS_GROUP", "SS_CENTER", true},
    {"GROUPBOX", "Button", ui::ControlKind::kGroupBox, "BS_GROUPBOX", "BS_GROUPBOX", true},
    {"EDITTEXT", "Edit", ui::ControlKind::kEdit, "ES_LEFT|WS_BORDER|WS_TABSTOP",
     "ES_LEFT|WS_BORDER|WS_TABSTOP", false},
    {"COMBOBOX", "ComboBox", ui::ControlKind::kComboBox, "CBS_SIMPLE|WS_TABSTOP", "CBS_SIMPLE",
     false},
    {"CHECKBOX", "Button", ui::ControlKind::kCheckBox, "BS_CHECKBOX|WS_TABSTOP",
     "BS_CHECKBOX|WS_TABSTOP", true},
    {"AUTOCHECKBOX", "Button", ui::ControlKind::kCheckBox, "BS_AUTOCHECKBOX|WS_TABSTOP",
     "BS_AUTOCHECKBOX|WS_TABSTOP", true},
    {"STATE3", "Button", ui::ControlKind::kCheckBox, "BS_3STATE|WS_TABSTOP", "BS_3STATE", true},
    {"AUTO3STATE", "Button", ui::ControlKind::kCheckBox, "BS_AUTO3STATE|WS_TABSTOP",
     "BS_AUTO3STATE", true},
    {"RADIOBUTTON", "Button", ui::ControlKind::kRadioButton, "BS_RADIOBUTTON|WS_TABSTOP",
     "BS_RADIOBUTTON", true},
    {"AUTORADIOBUTTON", "Button", ui::ControlKind::kRadioButton, "BS_AUTORADIOBUTTON|WS_TABSTOP",
     "BS_AUTORADIOBUTTON", true},
    {"PUSHBUTTON", "Button", ui::ControlKind::kButton, "BS_PUSHBUTTON|WS_TABSTOP",
     "BS_PUSHBUTTON|WS_TABSTOP", true},
    {"DEFPUSHBUTTON", "Button", ui::ControlKind::kButton, "BS_DEFPUSHBUTTON|WS_TABSTOP",
     "BS_DEFPUSHBUTTON|WS_TABSTOP", true},
};

struct ClassAlias {
  const char* written;
  const char* canonical;
};
const ClassAlias kClasses[] = {
    {"Button", "Button"},
    {"Edit", "Edit"},
    {"Static", "Static"},
    {"ComboBox", "ComboBox"},
    {"SysDateTimePick32", "SysDateTimePick32"},
    {"SysListView32", "SysListView32"},
    // The names commctrl.h and windows.h give these classes.
    {"WC_BUTTON", "Button"},
    {"WC_EDIT", "Edit"},
    {"WC_STATIC", "Static"},
    {"WC_COMBOBOX", "ComboBox"},
    {"DATETIMEPICK_CLASS", "SysDateTimePick32"},
    {"WC_LISTVIEW", "SysListView32"},
};

}  // namespace

void StyleSet::Add(std::string_view name) {
  for (const auto& family : Families()) {
    if (std::find(family.begin(), family.end(), name) == family.end()) continue;
    for (std::string_view other : family) {
      if (other != name) Remove(other);
    }
  }
  if (!Has(name)) names_.emplace_back(name);
}

void StyleSet::Remove(std::string_view name) {
  names_.erase(std::remove(names_.begin(), names_.end(), name), names_.end());
}

bool StyleSet::Has(std::string_view name) const {
  return std::find(names_.begin(), names_.end(), name) != names_.end();
}

void StyleSet::AddBits(uint32_t bits) {
  for (const NamedBit& b : kNamedBits) {
    if (bits & b.bit) Add(b.name);
  }
}

void StyleSet::RemoveBits(uint32_t bits) {
  for (const NamedBit& b : kNamedBits) {
    if (bits & b.bit) Remove(b.name);
  }
}

std::string StyleSet::Joined() const {
  std::string out;
  for (const std::string& name : names_) {
    if (!out.empty()) out += '|';
    out += name;
  }
  return out;
}

const ControlStatement* FindControlStatement(std::string_view keyword) {
  for (const ControlStatement& s : kStatements) {
    if (text::EqualsIgnoringAsciiCase(keyword, s.keyword)) return &s;
  }
  return nullptr;
}

const char* CanonicalControlClass(std::string_view name) {
  for (const ClassAlias& c : kClasses) {
    if (text::EqualsIgnoringAsciiCase(name, c.written)) return c.canonical;
  }
  return nullptr;
}

ui::ControlKind KindOfClass(std::string_view className, const StyleSet& styles) {
  if (className == "Static") return ui::ControlKind::kLabel;
  if (className == "Edit") return ui::ControlKind::kEdit;
  if (className == "ComboBox") return ui::ControlKind::kComboBox;
  if (className == "SysDateTimePick32") return ui::ControlKind::kTimePicker;
  if (className == "SysListView32") return ui::ControlKind::kListView;
  if (styles.Has("BS_AUTORADIOBUTTON") || styles.Has("BS_RADIOBUTTON")) {
    return ui::ControlKind::kRadioButton;
  }
  if (styles.Has("BS_AUTOCHECKBOX") || styles.Has("BS_CHECKBOX") || styles.Has("BS_3STATE") ||
      styles.Has("BS_AUTO3STATE")) {
    return ui::ControlKind::kCheckBox;
  }
  if (styles.Has("BS_GROUPBOX")) return ui::ControlKind::kGroupBox;
  return ui::ControlKind::kButton;
}

}  // namespace orv::platform
