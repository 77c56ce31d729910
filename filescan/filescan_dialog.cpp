#include "filescan/filescan_dialog.h"

#include "filescan/resource_ids.h"
#include "platform/resources.h"

namespace orv::filescan {
namespace {

void Enable(ui::DialogModel& model, int controlId, bool enabled) {
  if (ui::Control* control = model.Find(controlId)) control->enabled = enabled;
}

// The two small buttons show an icon and say what they do in a tooltip.
void Decorate(ui::DialogModel& model, int controlId, int icon, int tooltip) {
  if (ui::Control* control = model.Find(controlId)) {
    control->icon = icon;
    control->tooltip = platform::LoadResourceString(tooltip);
  }
}

}  // namespace

void ApplyEnabledControls(ui::DialogModel& model) {
  const bool forced = model.Checked(kIdForcedType) != 0;
  for (int id : {kIdVideo, kIdAudio, kIdSoftware, kIdBook, kIdCollectible, kIdCreateTree}) {
    Enable(model, id, forced);
  }
  Enable(model, kIdFilter, model.Checked(kIdFilteredFiles) != 0);
}

void FilescanDialog::OnInit(ui::DialogModel& model) {
  OptionsDialog::OnInit(model);
  ApplyEnabledControls(model);
  Decorate(model, kIdShowFormats, kIconFormats, kStringFormatsTip);
  Decorate(model, kIdBrowseFolder, kIconFolder, kStringFolderTip);
}

void FilescanDialog::OnClick(ui::DialogModel& model, int controlId) {
  switch (controlId) {
    case kIdAutomaticType:
    case kIdForcedType:
    case kIdAllFiles:
    case kIdDescribedFiles:
    case kIdFilteredFiles:
      ApplyEnabledControls(model);
      break;
    default:
      break;
  }
}

void FilescanDialog::OnCommand(ui::DialogModel& model, int controlId) {
  if (controlId == kIdShowFormats) {
    services_.showMessage(platform::LoadResourceString(kStringFormats), model.caption,
                          ui::MessageButtons::kOk, ui::MessageIcon::kQuestion);
  } else if (controlId == kIdBrowseFolder) {
    const std::optional<std::string> folder =
        services_.askFolder(platform::LoadResourceString(kStringFolderTitle));
    if (folder && !folder->empty()) model.SetText(kIdFolder, *folder);
  }
}

}  // namespace orv::filescan
