#include "filmsearch/film_options_dialog.h"

#include "contract/list_piece.h"
#include "filmsearch/film_site.h"
#include "filmsearch/resource_ids.h"
#include "platform/resources.h"
#include "text/ascii.h"
#include "websearch/hit_list_dialog.h"

namespace orv::filmsearch {
namespace {

std::vector<std::string> ListOfString(int id) {
  return ListPieces(platform::LoadResourceString(id), "|", EmptyPiece::kDefaultText);
}

}  // namespace

FilmOptionsDialog::FilmOptionsDialog(const OptionTable& table, FilmOptions& options,
                                     websearch::WebOptions& web, websearch::SiteFile site)
    : WebOptionsDialog(table, web, std::move(site), kIdValue, options.defValue),
      options_(options) {}

void FilmOptionsDialog::Prepare(ui::DialogModel& model) {
  // The picker reads hours, minutes and seconds at fixed places: a shorter text cannot be read.
  if (options_.defTime.size() < 8) options_.defTime = DefaultTimeText();
  model.SetItems(kIdSupport, ListOfString(kStringSupportList));
  model.SetItems(kIdVideoFormat, ListOfString(kStringFormat1List));
  model.SetItems(kIdScreenFormat, ListOfString(kStringFormat2List));
  model.SetItems(kIdSound, ListOfString(kStringSoundList));
  if (ui::Control* list = model.Find(kIdSiteList)) {
    list->columns =
        websearch::ListColumns(platform::LoadResourceString(kStringSiteColumns), ",", 2);
    list->rows.clear();
    list->selectedRows.clear();
    for (const SiteRow& row : ListSites(Site(), 1)) {
      if (text::EqualsIgnoringAsciiCase(row.name, options_.selFilter)) {
        list->selectedRows.push_back(static_cast<int>(list->rows.size()));
      }
      list->rows.push_back({row.name, row.description});
    }
    if (list->selectedRows.size() > 1) list->selectedRows.resize(1);
  }
}

void FilmOptionsDialog::OnInit(ui::DialogModel& model) {
  WebOptionsDialog::OnInit(model);
  // OK waits for a choice in the site list, unless the stored site is already selected.
  const ui::Control* list = model.Find(kIdSiteList);
  if (ui::Control* ok = model.Find(ui::kIdOk)) ok->enabled = list && !list->selectedRows.empty();
}

void FilmOptionsDialog::OnSelectionChange(ui::DialogModel& model, int controlId) {
  if (controlId != kIdSiteList) return;
  if (ui::Control* ok = model.Find(ui::kIdOk)) ok->enabled = true;
}

bool FilmOptionsDialog::OnDoubleClick(ui::DialogModel& model, int controlId) {
  (void)model;
  return controlId == kIdSiteList;
}

bool FilmOptionsDialog::Accept(ui::DialogModel& model) {
  if (!WebOptionsDialog::Accept(model)) return false;
  if (const ui::Control* list = model.Find(kIdSiteList); list && !list->selectedRows.empty()) {
    const int row = list->selectedRows.front();
    if (row >= 0 && static_cast<size_t>(row) < list->rows.size() && !list->rows[row].empty()) {
      options_.selFilter = text::ToUpperAscii(list->rows[row][0]);
    }
  }
  return true;
}

}  // namespace orv::filmsearch
