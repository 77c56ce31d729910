// Reading a dialog template resource (DLGTEMPLATEEX as windres and rc write DIALOGEX, and the
// older DLGTEMPLATE) into a dialog model, without creating any window.
//
// The bytes come from the module's resources but are still read defensively: every field is
// bounds-checked and the number of controls is capped, so a damaged template gives nothing.
#ifndef ORV_PLATFORM_WIN32_DIALOG_TEMPLATE_H
#define ORV_PLATFORM_WIN32_DIALOG_TEMPLATE_H

#include <cstddef>
#include <optional>

#include "platform/ui.h"

namespace orv::platform::win32 {

std::optional<ui::DialogModel> ParseDialogTemplate(const unsigned char* data, size_t size);

}  // namespace orv::platform::win32

#endif  // ORV_PLATFORM_WIN32_DIALOG_TEMPLATE_H
