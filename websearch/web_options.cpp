#include "websearch/web_options.h"

#include <optional>

#include "contract/list_piece.h"
#include "platform/process.h"
#include "platform/resources.h"
#include "text/ascii.h"
#include "text/number.h"
#include "websearch/messages.h"
#include "websearch/site_file_place.h"
#include "websearch/web_ids.h"

namespace orv::websearch {
namespace {

// The picture radios have ids apart from each other: no consecutive group for the table.
constexpr int kCopyImageIds[] = {kIdCopyNone, kIdCopyFile, kIdCopyLink};

}  // namespace

void AppendWebOptions(OptionTable& table, WebOptions& o) {
  using C = OptionControl;
  table.push_back(IntOption("ValidateResult", &o.validateResult, 1, C::kCheckBox, kIdValidate));
  table.push_back(IntOption("CorrectCast", &o.correctCast, 1, C::kCheckBox, kIdCorrectCast));
  table.push_back(IntOption("ImportLink", &o.importLink, 1, C::kCheckBox, kIdImportLink));
  table.push_back(IntOption("CopyImage", &o.copyImage, 1));
  table.push_back(IntOption("DebugMode", &o.debugMode, 0, C::kCheckBox, kIdDebug));
}

void ShowNumber(ui::DialogModel& model, int controlId, int32_t value) {
  model.SetText(controlId, std::to_string(value));
}

bool ReadNumber(const ui::DialogModel& model, int controlId, int32_t& value) {
  const std::optional<int> number =
      text::ParseDigits(text::TrimAsciiBlanks(model.Text(controlId)), 9);
  if (!number) return false;
  value = *number;
  return true;
}

void EditSiteFile(const SiteFile& read) {
  const SiteFile file(SiteFileToEdit(read.Path()));
  if (file.Exists() && platform::OpenInTextEditor(file.Path())) return;
  if (file.Exists()) return;  // the editor said why it could not start
  const std::string format = platform::LoadResourceString(kStringMissingFile);
  ShowInformation(FormatText(format.c_str(), file.Path().c_str()), ui::MessageIcon::kExclamation);
}

void WebOptionsDialog::OnInit(ui::DialogModel& model) {
  OptionsDialog::OnInit(model);
  ShowNumber(model, numberBox_, number_);
  for (int i = 0; i < 3; ++i) model.SetChecked(kCopyImageIds[i], web_.copyImage == i);
  if (ui::Control* edit = model.Find(kIdEditSiteFile)) {
    edit->icon = kIconEdit;
    edit->tooltip = GetListPiece(1, platform::LoadResourceString(kStringEditTooltip), "", "|",
                                 EmptyPiece::kDefaultText);
  }
}

void WebOptionsDialog::OnCommand(ui::DialogModel& model, int controlId) {
  (void)model;
  if (controlId == kIdEditSiteFile) EditSiteFile(siteFile_);
}

bool WebOptionsDialog::Accept(ui::DialogModel& model) {
  int32_t number = number_;
  if (!ReadNumber(model, numberBox_, number)) return false;
  number_ = number;
  for (int i = 0; i < 3; ++i) {
    if (model.Checked(kCopyImageIds[i])) web_.copyImage = i;
  }
  return true;
}

}  // namespace orv::websearch
