// Modal dialogs from the module's templates, driven by the shared dialog logic.
// windows.h must come before the other Windows headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "platform/ui.h"
#include "platform/win32/dialog_binding.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/module.h"

namespace orv::ui {

namespace {

struct DialogRun {
  int dialogId = 0;
  DialogLogic* logic = nullptr;
  platform::win32::DialogBinding binding;
  // While the model is written back, list views report the changes we make: not the user's.
  bool applying = false;
};

void Apply(DialogRun& run, const DialogModel& model) {
  run.applying = true;
  run.binding.Apply(model);
  run.applying = false;
}

void InitCommonControls() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES;
  done = InitCommonControlsEx(&classes) != FALSE;
}

// The logic runs inside a window procedure called by the system: nothing may be thrown
// through it, so a failing logic cancels the dialog instead.
template <class Call>
bool Guarded(HWND dialog, Call&& call) {
  try {
    call();
    return true;
  } catch (...) {
    EndDialog(dialog, IDCANCEL);
    return false;
  }
}

void OnCommand(HWND dialog, DialogRun& run, int id, int code, HWND from) {
  if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return;
  }
  if (id == IDOK) {
    // Enter also sends IDOK, without a control: the same path.
    DialogModel model = run.binding.Read();
    bool accepted = false;
    if (!Guarded(dialog, [&] { accepted = run.logic->OnOk(model); })) return;
    if (accepted) {
      EndDialog(dialog, IDOK);
    } else {
      Apply(run, model);
    }
    return;
  }
  if (!from) return;
  const Control* control = run.binding.ControlOf(from);
  if (!control) return;
  const ControlKind kind = control->kind;
  const bool clicked = code == BN_CLICKED;
  const bool opening = code == CBN_DROPDOWN && kind == ControlKind::kComboBox;
  const bool choosing = code == CBN_SELENDOK && kind == ControlKind::kComboBox;
  if (!opening && !choosing &&
      !(clicked && (kind == ControlKind::kButton || kind == ControlKind::kCheckBox ||
                    kind == ControlKind::kRadioButton))) {
    return;
  }
  DialogModel model = run.binding.Read();
  const bool done = Guarded(dialog, [&] {
    if (opening) {
      run.logic->OnDropDown(model, id);
    } else if (choosing) {
      // The edit field takes the entry only after this notification: show it now.
      if (Control* combo = model.Find(id)) {
        if (combo->editable && combo->selection >= 0 &&
            static_cast<size_t>(combo->selection) < combo->items.size()) {
          combo->text = combo->items[combo->selection];
        }
      }
      run.logic->OnSelect(model, id);
    } else if (kind == ControlKind::kButton) {
      run.logic->OnCommand(model, id);
    } else {
      run.logic->OnClick(model, id);
    }
  });
  if (done) Apply(run, model);
}

// A list view's selection changed, or one of its rows was double-clicked.
void OnNotify(HWND dialog, DialogRun& run, const NMHDR& header) {
  if (run.applying) return;
  const Control* control = run.binding.ControlOf(header.hwndFrom);
  if (!control || control->kind != ControlKind::kListView) return;
  const int id = control->id;
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!(change.uChanged & LVIF_STATE) ||
        !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) {
      return;
    }
    DialogModel model = run.binding.Read();
    if (Guarded(dialog, [&] { run.logic->OnSelectionChange(model, id); })) Apply(run, model);
  } else if (header.code == NM_DBLCLK) {
    DialogModel model = run.binding.Read();
    bool actsAsOk = false;
    if (!Guarded(dialog, [&] { actsAsOk = run.logic->OnDoubleClick(model, id); })) return;
    Apply(run, model);
    if (actsAsOk) PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* run = reinterpret_cast<DialogRun*>(lParam);
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    run->binding.Collect(dialog, run->dialogId);
    DialogModel model = run->binding.Read();
    if (Guarded(dialog, [&] { run->logic->OnInit(model); })) Apply(*run, model);
    return TRUE;
  }
  auto* run = reinterpret_cast<DialogRun*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!run) return FALSE;
  if (message == WM_COMMAND) {
    OnCommand(dialog, *run, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    return TRUE;
  }
  if (message == WM_NOTIFY && lParam) {
    OnNotify(dialog, *run, *reinterpret_cast<const NMHDR*>(lParam));
    return FALSE;
  }
  return FALSE;
}

bool HasDialog(HMODULE module, int dialogId) {
  return dialogId > 0 && dialogId <= 0xFFFF &&
         FindResourceA(module, MAKEINTRESOURCEA(dialogId), MAKEINTRESOURCEA(5)) != nullptr;
}

}  // namespace

DialogResult RunModalDialog(int dialogId, DialogLogic& logic) {
  const HMODULE module = platform::win32::ThisModule();
  if (!HasDialog(module, dialogId)) return DialogResult::kCancel;
  InitCommonControls();
  DialogRun run;
  run.dialogId = dialogId;
  run.logic = &logic;
  // Owned by the caller's active window, so the host's window waits for the dialog.
  const INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(dialogId), GetActiveWindow(),
                                         &DialogProc, reinterpret_cast<LPARAM>(&run));
  return result == IDOK ? DialogResult::kOk : DialogResult::kCancel;
}

DialogModel LoadDialogModel(int dialogId) {
  const HMODULE module = platform::win32::ThisModule();
  if (!HasDialog(module, dialogId)) return DialogModel();
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(dialogId), MAKEINTRESOURCEA(5));
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = resource ? SizeofResource(module, resource) : 0;
  std::optional<DialogModel> model = platform::win32::ParseDialogTemplate(
      static_cast<const unsigned char*>(bytes), bytes ? size : 0);
  if (!model) return DialogModel();
  model->id = dialogId;
  return *model;
}

}  // namespace orv::ui
