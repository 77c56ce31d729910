#include "platform/win32/dialog_binding.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/control_kind.h"
#include "platform/win32/module.h"

namespace orv::platform::win32 {

namespace {

using ui::ControlKind;

// Bounds on what one dialog can hold, so a runaway control never stalls the dialog.
constexpr int kMaxChildren = 1000;
constexpr int kMaxListEntries = 100000;
constexpr int kMaxColumns = 64;
constexpr int kMaxControlTextBytes = 1 << 20;

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0 || length > kMaxControlTextBytes) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int n = GetWindowTextA(window, text.data(), length + 1);
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return text;
}

bool HasWindowText(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kGroupBox ||
         kind == ControlKind::kButton || kind == ControlKind::kCheckBox ||
         kind == ControlKind::kRadioButton || kind == ControlKind::kEdit;
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count && i < kMaxListEntries; ++i) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    if (length < 0 || length > kMaxControlTextBytes) {
      items.emplace_back();
      continue;
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT n = SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(n > 0 && n <= length ? static_cast<size_t>(n) : 0);
    items.push_back(std::move(text));
  }
  return items;
}

std::string ListViewCell(HWND list, int row, int column) {
  // The control gives no length: grow the buffer until the text fits.
  for (int size = 256; size <= kMaxControlTextBytes; size *= 8) {
    std::string text(static_cast<size_t>(size), '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = size;
    const LRESULT n = SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    if (n < size - 1) {
      text.resize(n > 0 ? static_cast<size_t>(n) : 0);
      return text;
    }
  }
  return std::string();
}

void ReadListView(HWND list, ui::Control& control) {
  control.columns.clear();
  control.rows.clear();
  control.selectedRows.clear();
  for (int column = 0; column < kMaxColumns; ++column) {
    char title[512] = {};
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.pszText = title;
    info.cchTextMax = sizeof title;
    if (!SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info))) break;
    control.columns.push_back({std::string(title), info.cx});
  }
  const LRESULT rows = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  const int columns = control.columns.empty() ? 1 : static_cast<int>(control.columns.size());
  for (int row = 0; row < rows && row < kMaxListEntries; ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column)
      cells.push_back(ListViewCell(list, row, column));
    control.rows.push_back(std::move(cells));
    if (SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) {
      control.selectedRows.push_back(row);
    }
  }
}

void WriteListView(HWND list, const ui::Control& shown, const ui::Control& wanted) {
  const bool columnsChanged = [&] {
    if (shown.columns.size() != wanted.columns.size()) return true;
    for (size_t i = 0; i < shown.columns.size(); ++i) {
      if (shown.columns[i].title != wanted.columns[i].title ||
          shown.columns[i].width != wanted.columns[i].width) {
        return true;
      }
    }
    return false;
  }();
  const bool rowsChanged = columnsChanged || shown.rows != wanted.rows;
  if (rowsChanged) SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  if (columnsChanged) {
    for (int guard = 0; guard < kMaxColumns && SendMessageA(list, LVM_DELETECOLUMN, 0, 0);
         ++guard) {
    }
    for (size_t i = 0; i < wanted.columns.size() && i < kMaxColumns; ++i) {
      LVCOLUMNA info{};
      info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
      info.pszText = const_cast<char*>(wanted.columns[i].title.c_str());
      info.cx = wanted.columns[i].width;
      info.iSubItem = static_cast<int>(i);
      SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&info));
    }
  }
  if (rowsChanged) {
    for (size_t row = 0; row < wanted.rows.size() && row < kMaxListEntries; ++row) {
      const std::vector<std::string>& cells = wanted.rows[row];
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(row);
      item.pszText = const_cast<char*>(cells.empty() ? "" : cells[0].c_str());
      const LRESULT at = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      if (at < 0) break;
      for (size_t column = 1; column < cells.size() && column < kMaxColumns; ++column) {
        LVITEMA cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(cells[column].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&cell));
      }
    }
  }
  if (rowsChanged || shown.selectedRows != wanted.selectedRows) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    state.state = 0;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED;
    for (int row : wanted.selectedRows) {
      if (row < 0 || static_cast<size_t>(row) >= wanted.rows.size()) continue;
      SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
  }
}

}  // namespace

DialogBinding::~DialogBinding() {
  if (boldFont_) DeleteObject(boldFont_);
}

HFONT DialogBinding::BoldFont() const {
  if (boldFont_ || !dialog_) return boldFont_;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
  LOGFONTA description{};
  if (!font || !GetObjectA(font, sizeof description, &description)) return nullptr;
  description.lfWeight = FW_BOLD;
  boldFont_ = CreateFontIndirectA(&description);
  return boldFont_;
}

void DialogBinding::Collect(HWND dialog, int dialogId) {
  dialog_ = dialog;
  tooltips_ = nullptr;
  windows_.clear();
  shown_ = ui::DialogModel();
  shown_.id = dialogId;
  shown_.caption = WindowText(dialog);
  int count = 0;
  // Direct children only, in template order: the parts of a combined control (a picker's
  // arrows, a list view's header) are not controls of the dialog.
  for (HWND child = GetWindow(dialog, GW_CHILD); child && count < kMaxChildren;
       child = GetWindow(child, GW_HWNDNEXT), ++count) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    ui::Control control;
    control.id = GetDlgCtrlID(child);
    control.kind = KindOfControl(className, style);
    if (control.kind == ControlKind::kTimePicker) {
      // The pickers hold durations: 24-hour fields whatever the locale's clock looks like.
      SendMessageA(child, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH':'mm':'ss"));
    }
    control.groupStart = (style & WS_GROUP) != 0;
    control.editable = IsEditableCombo(control.kind, style);
    ReadControl(child, control);
    if (control.kind == ControlKind::kListView) {
      // Rows are chosen whole, as in every list of the filters.
      SendMessageA(child, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    }
    windows_.push_back(child);
    shown_.controls.push_back(std::move(control));
  }
}

const ui::DialogModel& DialogBinding::Read() {
  if (dialog_) shown_.caption = WindowText(dialog_);
  for (size_t i = 0; i < windows_.size(); ++i) ReadControl(windows_[i], shown_.controls[i]);
  return shown_;
}

void DialogBinding::Apply(const ui::DialogModel& wanted) {
  if (!dialog_) return;
  if (wanted.caption != shown_.caption) SetWindowTextA(dialog_, wanted.caption.c_str());
  for (size_t i = 0; i < wanted.controls.size(); ++i) {
    const HWND window = WindowFor(wanted, i);
    if (!window) continue;
    for (size_t j = 0; j < windows_.size(); ++j) {
      if (windows_[j] != window) continue;
      ApplyControl(window, shown_.controls[j], wanted.controls[i]);
      // The font is not read back from the control: remember what was set.
      shown_.controls[j].bold = shown_.controls[j].bold || wanted.controls[i].bold;
      ApplyDecoration(window, shown_.controls[j], wanted.controls[i]);
    }
  }
  Read();
}

void DialogBinding::ApplyDecoration(HWND window, ui::Control& shown, const ui::Control& wanted) {
  // Neither can be read back from the control: the model keeps what was set.
  if (wanted.icon != shown.icon) {
    HICON icon = wanted.icon ? LoadIconA(ThisModule(), MAKEINTRESOURCEA(wanted.icon)) : nullptr;
    SendMessageA(window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    shown.icon = wanted.icon;
  }
  if (wanted.tooltip != shown.tooltip) {
    if (!tooltips_) {
      tooltips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  dialog_, nullptr, ThisModule(), nullptr);
    }
    if (tooltips_) {
      TOOLINFOA tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = dialog_;
      tool.uId = reinterpret_cast<UINT_PTR>(window);
      tool.lpszText = const_cast<char*>(wanted.tooltip.c_str());
      SendMessageA(tooltips_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
      if (!wanted.tooltip.empty()) {
        SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
      }
    }
    shown.tooltip = wanted.tooltip;
  }
}

const ui::Control* DialogBinding::ControlOf(HWND window) const {
  for (size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i] == window) return &shown_.controls[i];
  }
  return nullptr;
}

HWND DialogBinding::WindowFor(const ui::DialogModel& wanted, size_t index) const {
  const int id = wanted.controls[index].id;
  // The logic keeps the model's order; labels share one id, so position comes first.
  if (index < windows_.size() && shown_.controls[index].id == id) return windows_[index];
  for (size_t j = 0; j < windows_.size(); ++j) {
    if (shown_.controls[j].id == id) return windows_[j];
  }
  return nullptr;
}

void DialogBinding::ReadControl(HWND window, ui::Control& control) const {
  control.enabled = IsWindowEnabled(window) != FALSE;
  if (HasWindowText(control.kind)) control.text = WindowText(window);
  switch (control.kind) {
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      control.checked = static_cast<int>(SendMessageA(window, BM_GETCHECK, 0, 0));
      break;
    case ControlKind::kComboBox: {
      control.items = ComboItems(window);
      const LRESULT selection = SendMessageA(window, CB_GETCURSEL, 0, 0);
      control.selection = selection == CB_ERR ? -1 : static_cast<int>(selection);
      if (control.editable) control.text = WindowText(window);
      break;
    }
    case ControlKind::kTimePicker: {
      SYSTEMTIME time{};
      if (SendMessageA(window, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) ==
          GDT_VALID) {
        control.hour = time.wHour;
        control.minute = time.wMinute;
        control.second = time.wSecond;
      }
      break;
    }
    case ControlKind::kListView:
      ReadListView(window, control);
      break;
    default:
      break;
  }
}

void DialogBinding::ApplyControl(HWND window, const ui::Control& shown, const ui::Control& wanted) {
  if (wanted.enabled != shown.enabled) EnableWindow(window, wanted.enabled ? TRUE : FALSE);
  if (wanted.bold && !shown.bold) {
    if (const HFONT bold = BoldFont())
      SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
  }
  if (HasWindowText(shown.kind) && wanted.text != shown.text) {
    SetWindowTextA(window, wanted.text.c_str());
  }
  switch (shown.kind) {
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      if (wanted.checked != shown.checked) {
        SendMessageA(window, BM_SETCHECK, wanted.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      break;
    case ControlKind::kComboBox: {
      const bool itemsChanged = wanted.items != shown.items;
      if (itemsChanged) {
        SendMessageA(window, CB_RESETCONTENT, 0, 0);
        for (size_t i = 0; i < wanted.items.size() && i < kMaxListEntries; ++i) {
          SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wanted.items[i].c_str()));
        }
      }
      if (itemsChanged || wanted.selection != shown.selection) {
        // An index beyond the list clears the selection, as the control does itself.
        SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(wanted.selection), 0);
      }
      // After the selection, which writes its entry into an editable box's field.
      if (shown.editable &&
          (itemsChanged || wanted.selection != shown.selection || wanted.text != shown.text)) {
        SetWindowTextA(window, wanted.text.c_str());
      }
      break;
    }
    case ControlKind::kTimePicker:
      if (wanted.hour != shown.hour || wanted.minute != shown.minute ||
          wanted.second != shown.second) {
        // The picker holds a full date: today's, at the model's time.
        SYSTEMTIME time{};
        GetLocalTime(&time);
        time.wHour = static_cast<WORD>(wanted.hour >= 0 && wanted.hour < 24 ? wanted.hour : 0);
        time.wMinute =
            static_cast<WORD>(wanted.minute >= 0 && wanted.minute < 60 ? wanted.minute : 0);
        time.wSecond =
            static_cast<WORD>(wanted.second >= 0 && wanted.second < 60 ? wanted.second : 0);
        time.wMilliseconds = 0;
        SendMessageA(window, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
      }
      break;
    case ControlKind::kListView:
      WriteListView(window, shown, wanted);
      break;
    default:
      break;
  }
}

}  // namespace orv::platform::win32
