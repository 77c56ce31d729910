#include "auctionsearch/auction_keyword_dialog.h"

#include "auctionsearch/resource_ids.h"
#include "platform/resources.h"
#include "websearch/messages.h"
#include "websearch/web_ids.h"

namespace orv::auctionsearch {
namespace {

std::vector<std::string> Shown(const std::vector<Choice>& choices) {
  std::vector<std::string> items;
  for (const Choice& choice : choices) items.push_back(choice.shown);
  return items;
}

// The option text of the chosen entry; nothing chosen adds nothing.
std::string ChosenOption(const std::vector<Choice>& choices, int selection) {
  if (selection < 0 || static_cast<size_t>(selection) >= choices.size()) return std::string();
  return choices[selection].option;
}

}  // namespace

AuctionKeywordDialog::AuctionKeywordDialog(websearch::SiteFile parameters,
                                           bool titlesAndDescriptions)
    : parameters_(std::move(parameters)) {
  query_.titlesAndDescriptions = titlesAndDescriptions;
}

void AuctionKeywordDialog::OnInit(ui::DialogModel& model) {
  if (!parameters_.Exists()) {
    const std::string format = platform::LoadResourceString(websearch::kStringMissingFile);
    websearch::ShowInformation(websearch::FormatText(format.c_str(), parameters_.Path().c_str()),
                               ui::MessageIcon::kExclamation);
  }
  types_ = Choices(parameters_, "TYPES");
  sorts_ = Choices(parameters_, "SORT");
  model.SetItems(kIdCategory, Shown(types_));
  model.SetItems(kIdSort, Shown(sorts_));
  model.SetRadioPosition(kIdByKeywords, 2, 0);
  model.SetChecked(kIdTitlesBox, query_.titlesAndDescriptions ? 1 : 0);
}

void AuctionKeywordDialog::Accepted(const ui::DialogModel& model) {
  query_.keywords = Keywords();
  query_.byNumber = model.RadioPosition(kIdByKeywords, 2) == 1;
  query_.titlesAndDescriptions = model.Checked(kIdTitlesBox) != 0;
  query_.category = ChosenOption(types_, model.Selection(kIdCategory));
  query_.sort = ChosenOption(sorts_, model.Selection(kIdSort));
}

}  // namespace orv::auctionsearch
