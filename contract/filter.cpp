#include "contract/filter.h"

#include <cstring>

#include "contract/option_meanings.h"
#include "contract/options_dialog.h"
#include "platform/option_record.h"
#include "platform/resources.h"

namespace orv {

int32_t Filter::Configure(const char* profileName, const char* registryKey, int32_t showDialog) {
  store_ = platform::OptionLocation(profileName, registryKey,
                                    platform::LoadResourceString(kStringSection));
  OptionTable& options = Options();
  LoadOptions(options, store_);
  if (platform::OptionMeaningsWanted(store_)) NoteMeanings();
  if (!showDialog) return 1;
  std::unique_ptr<ui::DialogLogic> dialog = MakeOptionsDialog();
  if (ui::RunModalDialog(kDialogOptions, *dialog) == ui::DialogResult::kOk) {
    SaveOptions(options, store_);
    return 1;
  }
  // Nothing was written, so reloading restores the values read at the start.
  LoadOptions(options, store_);
  return 0;
}

void Filter::NoteMeanings() {
  // The dialog as it would open, lists filled and values shown, but never shown.
  ui::DialogModel model = ui::LoadDialogModel(kDialogOptions);
  if (model.id == 0) return;
  std::unique_ptr<ui::DialogLogic> dialog = MakeOptionsDialog();
  dialog->OnInit(model);
  platform::NoteOptionMeanings(store_, OptionMeanings(Options(), model));
}

int32_t Filter::GetInfo(FilterInfo& info) {
  CopyFixedText(info.fileMask, sizeof info.fileMask, platform::LoadResourceString(kStringFileMask));
  CopyFixedText(info.description, sizeof info.description,
                platform::LoadResourceString(kStringDescription));
  CopyFixedText(info.filterName, sizeof info.filterName,
                platform::LoadResourceString(kStringFilterName));
  info.icon = platform::LoadResourceIcon(kIconFilter);
  info.interfaceTag = ORV_INTERFACE_TAG;
  Describe(info);
  return 1;
}

std::unique_ptr<ui::DialogLogic> Filter::MakeOptionsDialog() {
  return std::make_unique<OptionsDialog>(Options());
}

void CopyFixedText(char* field, size_t fieldSize, const std::string& text) {
  if (fieldSize == 0) return;
  const size_t n = text.size() < fieldSize - 1 ? text.size() : fieldSize - 1;
  std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

}  // namespace orv
