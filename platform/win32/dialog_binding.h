// Binds a live dialog's child controls to a dialog model.
//
// Collect builds the model from the real controls once the dialog exists; Read refreshes the
// model from what the user changed; Apply writes a model the dialog logic edited back into the
// controls, touching only what differs from what they show.
#ifndef ORV_PLATFORM_WIN32_DIALOG_BINDING_H
#define ORV_PLATFORM_WIN32_DIALOG_BINDING_H

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ui.h"

namespace orv::platform::win32 {

class DialogBinding {
 public:
  DialogBinding() = default;
  ~DialogBinding();
  DialogBinding(const DialogBinding&) = delete;
  DialogBinding& operator=(const DialogBinding&) = delete;

  void Collect(HWND dialog, int dialogId);
  // The controls as they are now.
  const ui::DialogModel& Read();
  void Apply(const ui::DialogModel& wanted);

  // The model kind of the control that sent a command, by its window.
  const ui::Control* ControlOf(HWND window) const;

 private:
  HWND WindowFor(const ui::DialogModel& wanted, size_t index) const;
  void ReadControl(HWND window, ui::Control& control) const;
  void ApplyControl(HWND window, const ui::Control& shown, const ui::Control& wanted);

  HFONT BoldFont() const;
  void ApplyDecoration(HWND window, ui::Control& shown, const ui::Control& wanted);

  HWND dialog_ = nullptr;
  mutable HFONT boldFont_ = nullptr;  // made on first use, released with the binding
  HWND tooltips_ = nullptr;           // made with the first tooltip, destroyed with the dialog
  std::vector<HWND> windows_;  // parallel to shown_.controls
  ui::DialogModel shown_;
};

}  // namespace orv::platform::win32

#endif  // ORV_PLATFORM_WIN32_DIALOG_BINDING_H
