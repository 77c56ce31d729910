#include "platform/posix/terminal/forms/path_prompt_form.h"

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/posix/terminal/forms/form_text.h"
#include "text/ascii.h"

namespace orv::ui::form {
namespace {

constexpr const char* kFolderCaption = "Rechercher un dossier";

// Controls are placed by cells here; the template wants dialog units.
struct Builder {
  PathPrompt& prompt;

  void Add(ControlKind kind, int id, std::string text, int row, int col, int width, int height,
           bool tabStop, bool groupStart) {
    Control control;
    control.id = id;
    control.kind = kind;
    control.text = std::move(text);
    control.groupStart = groupStart;
    prompt.model.controls.push_back(std::move(control));
    TemplateControl place;
    place.id = id;
    place.x = col * 4;
    place.y = row * 8;
    place.w = width * 4;
    place.h = kind == ControlKind::kLabel ? height * 8 : 12;
    place.tabStop = tabStop;
    place.defaultButton = id == kIdOk;
    prompt.dialogTemplate.controls.push_back(place);
  }

  // A label over as many rows as its text needs; returns the row after it.
  int Text(const std::string& text, int row, int width) {
    const int rows = static_cast<int>(Wrap(ToCells(text), width).size());
    Add(ControlKind::kLabel, -1, text, row, 2, width, rows, false, true);
    return row + rows;
  }
};

// "Label|pattern|Label|pattern|": the labels, which name their patterns already.
std::string FileTypes(std::string_view filter) {
  std::string types;
  bool label = true;
  while (!filter.empty()) {
    const size_t bar = filter.find('|');
    const std::string_view piece = filter.substr(0, bar);
    if (label && !piece.empty()) types += (types.empty() ? "" : ", ") + std::string(piece);
    label = !label;
    if (bar == std::string_view::npos) break;
    filter.remove_prefix(bar + 1);
  }
  return types;
}

}  // namespace

PathPrompt MakePathPrompt(std::string_view title, std::string_view filter, bool mustBeFolder,
                          int cols) {
  PathPrompt prompt;
  const int width = std::clamp(cols - 4, 40, 76);
  const int inner = width - 4;
  prompt.model.caption = mustBeFolder ? kFolderCaption : std::string(title);
  Builder add{prompt};
  int row = 1;
  if (mustBeFolder) {
    row = add.Text(std::string(title), row, inner);
  } else if (const std::string types = FileTypes(filter); !types.empty()) {
    row = add.Text("Types : " + types, row, inner);
  }
  std::error_code error;
  const std::filesystem::path here = std::filesystem::current_path(error);
  if (!error) row = add.Text("Dossier courant : " + here.string(), row, inner);
  ++row;
  const std::string label = mustBeFolder ? "&Dossier :" : "&Nom du fichier :";
  const int labelWidth = ToCells(label, true).Width() + 1;
  add.Add(ControlKind::kLabel, -1, label, row, 2, labelWidth, 1, false, true);
  add.Add(ControlKind::kEdit, kPathFieldId, "", row, 2 + labelWidth, inner - labelWidth, 1, true,
          false);
  row += 2;
  add.Add(ControlKind::kButton, kIdOk, mustBeFolder ? "OK" : "&Ouvrir", row, width - 28, 12, 1,
          true, true);
  add.Add(ControlKind::kButton, kIdCancel, "Annuler", row, width - 14, 12, 1, true, false);
  prompt.dialogTemplate.width = width * 4;
  prompt.dialogTemplate.height = (row + 2) * 8;
  return prompt;
}

bool PathPromptLogic::OnOk(DialogModel& model) {
  path_ = std::string(text::TrimAsciiBlanks(model.Text(kPathFieldId)));
  if (path_.empty()) return false;
  if (mustBeFolder_ && !platform::IsFolder(path_)) {
    showMessage_("Ce dossier n'existe pas :\n" + path_, kFolderCaption, MessageButtons::kOk,
                 MessageIcon::kExclamation);
    return false;
  }
  return true;
}

}  // namespace orv::ui::form
