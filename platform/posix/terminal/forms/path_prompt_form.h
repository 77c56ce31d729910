// The file-open dialog and the folder browser of full-screen forms: a small dialog made here
// (no resource template) with the title or the file types, a path field, OK and Annuler. A
// folder must exist to be taken; a message says so otherwise.
#ifndef ORV_PLATFORM_POSIX_PATH_PROMPT_FORM_H
#define ORV_PLATFORM_POSIX_PATH_PROMPT_FORM_H

#include <functional>
#include <string>
#include <string_view>

#include "platform/posix/terminal/forms/form_layout.h"
#include "platform/ui.h"

namespace orv::ui::form {

constexpr int kPathFieldId = 100;

struct PathPrompt {
  DialogModel model;
  DialogTemplate dialogTemplate;
};

// A prompt `cols` cells wide at most. `filter` is "Label|pattern|Label|pattern|".
PathPrompt MakePathPrompt(std::string_view title, std::string_view filter, bool mustBeFolder,
                          int cols);

// Refuses OK while the path is empty, or (for a folder) names no folder, saying why through
// `showMessage`.
class PathPromptLogic : public DialogLogic {
 public:
  using ShowMessageFunction =
      std::function<MessageAnswer(std::string_view, std::string_view, MessageButtons, MessageIcon)>;
  PathPromptLogic(bool mustBeFolder, ShowMessageFunction showMessage)
      : mustBeFolder_(mustBeFolder), showMessage_(std::move(showMessage)) {}

  bool OnOk(DialogModel& model) override;
  const std::string& path() const { return path_; }

 private:
  bool mustBeFolder_;
  ShowMessageFunction showMessage_;
  std::string path_;
};

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_PATH_PROMPT_FORM_H
