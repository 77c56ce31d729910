// Which model control kind a Windows control is, from its window class and style. Shared by the
// template reader and the binding of live dialogs so that both build the same model.
#ifndef ORV_PLATFORM_WIN32_CONTROL_KIND_H
#define ORV_PLATFORM_WIN32_CONTROL_KIND_H

#include <windows.h>

#include <string_view>

#include "platform/ui.h"

namespace orv::platform::win32 {

// Classes we do not model (scroll bars, up-down arrows...) count as inert labels.
// A combo box with an edit field of its own (CBS_SIMPLE or CBS_DROPDOWN).
bool IsEditableCombo(ui::ControlKind kind, DWORD style);

ui::ControlKind KindOfControl(std::string_view className, DWORD style);

// The standard class a template names by ordinal (0x0080 Button ... 0x0085 ComboBox), or "".
std::string_view ClassOfOrdinal(WORD ordinal);

}  // namespace orv::platform::win32

#endif  // ORV_PLATFORM_WIN32_CONTROL_KIND_H
