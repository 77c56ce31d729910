#include "pagebuilder/export_dialog.h"

#include <charconv>

#include "contract/list_piece.h"
#include "pagebuilder/pagebuilder_ids.h"
#include "platform/files.h"
#include "platform/resources.h"

namespace orv::pagebuilder {
namespace {

std::string Piece(int index, std::string_view list, std::string_view separator,
                  std::string_view fallback) {
  std::string piece = GetListPiece(index, list, fallback, separator, EmptyPiece::kEmptyText);
  return piece.empty() ? std::string(fallback) : piece;
}

int Width(std::string_view text) {
  int width = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), width);
  return result.ec == std::errc() && width > 0 && width < 10000 ? width : 80;
}

}  // namespace

std::vector<ui::ListColumn> TagListColumns(std::string_view columnsText) {
  std::vector<ui::ListColumn> columns(2);
  for (int i = 0; i < 2; ++i) {
    columns[i].title = Piece(i + 1, columnsText, ",", "?");
    columns[i].width = Width(Piece(i + 3, columnsText, ",", ""));
  }
  return columns;
}

std::vector<std::vector<std::string>> TagListRows(std::string_view tags,
                                                  std::string_view meanings) {
  std::vector<std::vector<std::string>> rows;
  WalkList(tags, "|", EmptyPiece::kEmptyText, [&](int index, const std::string& tag) {
    rows.push_back({tag, Piece(index, meanings, "|", "?")});
    return true;
  });
  return rows;
}

void ExportDialog::Prepare(ui::DialogModel& model) {
  ui::Control* list = model.Find(kControlTagList);
  if (!list) return;
  list->columns = TagListColumns(platform::LoadResourceString(kStringTagColumns));
  list->rows = TagListRows(platform::LoadResourceString(kStringTagList),
                           platform::LoadResourceString(kStringTagMeanings));
}

bool ExportDialog::Accept(ui::DialogModel& model) {
  const std::string path = model.Text(kControlTemplate);
  if (!path.empty() && platform::IsRegularFile(path)) return true;
  services_.showMessage(platform::LoadResourceString(kStringTemplateMissing), model.caption,
                        ui::MessageButtons::kOk, ui::MessageIcon::kExclamation);
  return false;
}

void ExportDialog::OnCommand(ui::DialogModel& model, int controlId) {
  switch (controlId) {
    case kControlBrowseTemplate: {
      const std::optional<std::string> path =
          services_.askOpenFile(platform::LoadResourceString(kStringTemplateTitle),
                                platform::LoadResourceString(kStringTemplateFilter));
      if (path && !path->empty()) model.SetText(kControlTemplate, *path);
      break;
    }
    case kControlBrowseIconFolder: {
      const std::optional<std::string> folder =
          services_.askFolder(platform::LoadResourceString(kStringIconFolderTitle));
      if (folder && !folder->empty()) model.SetText(kControlIconFolder, *folder);
      break;
    }
    case kControlHelp:
      services_.showMessage(platform::LoadResourceString(kStringHelp), model.caption,
                            ui::MessageButtons::kOk, ui::MessageIcon::kQuestion);
      break;
    default:
      break;
  }
}

}  // namespace orv::pagebuilder
