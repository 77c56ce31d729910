#include "discfetch/discfetch_dialogs.h"

#include <algorithm>

#include "contract/filter.h"
#include "contract/list_piece.h"
#include "discfetch/default_server.h"
#include "discfetch/disc_id.h"
#include "discfetch/item_builders.h"
#include "discfetch/resource_ids.h"
#include "platform/cd_drive.h"
#include "platform/resources.h"
#include "text/ascii.h"

namespace orv::discfetch {
namespace {

std::vector<std::string> ListOfString(int id) {
  return ListPieces(platform::LoadResourceString(id), "|", EmptyPiece::kEmptyText);
}

std::string Caption() { return platform::LoadResourceString(kStringFilterName); }

}  // namespace

CddbSettingsDialog::CddbSettingsDialog(CddbSettings settings)
    : settings_(settings), table_(MakeSettingsTable(settings.options)) {}

void CddbSettingsDialog::ShowServer(ui::DialogModel& model) const {
  if (model.Find(kIdCacheMode) && model.Find(kIdCacheMode)->items.empty()) {
    model.SetItems(kIdCacheMode, ListOfString(kStringCacheModes));
  }
  PushOptions(table_, model);
  model.SetText(kIdCgiPath, settings_.cgiPath);
}

void CddbSettingsDialog::TakeControls(const ui::DialogModel& model) {
  PullOptions(table_, model);
  settings_.cgiPath = model.Text(kIdCgiPath);
}

void CddbSettingsDialog::OnInit(ui::DialogModel& model) {
  ShowServer(model);
  const ProxySettings& proxy = settings_.proxy;
  if (!proxy.host.empty()) {
    model.SetText(kIdProxyAddress, proxy.host + ":" + std::to_string(proxy.port));
    model.SetText(kIdProxyUser, proxy.user);
  }
}

void CddbSettingsDialog::OnDropDown(ui::DialogModel& model, int controlId) {
  if (controlId != kIdServer) return;
  sites_.clear();
  // What was typed so far is taken, even if the dialog is cancelled later.
  TakeControls(model);
  settings_.client.SetProxy(settings_.proxy);  // none when the host has none now
  const ServerAddress server = DefaultServer();
  std::vector<CddbSite> sites;
  if (!settings_.client.GetSites(server.host, kDefaultCgiPath, server.port, sites)) return;
  sites_ = std::move(sites);
  std::vector<std::string> hosts;
  for (const CddbSite& site : sites_) hosts.push_back(site.host);
  const std::string typed = model.Text(kIdServer);
  model.SetItems(kIdServer, hosts);
  model.SetText(kIdServer, typed);
}

void CddbSettingsDialog::OnSelect(ui::DialogModel& model, int controlId) {
  if (controlId != kIdServer) return;
  const int at = model.Selection(kIdServer);
  if (at < 0 || static_cast<size_t>(at) >= sites_.size()) return;
  const CddbSite& site = sites_[static_cast<size_t>(at)];
  settings_.options.cddbSite = site.host;
  settings_.options.cddbPort = site.port;
  settings_.options.cddbDesc = site.description;
  settings_.cgiPath = site.path;
  ShowServer(model);
  model.Select(kIdServer, at);
}

void CddbSettingsDialog::OnCommand(ui::DialogModel& model, int controlId) {
  if (controlId != kIdReset) return;
  const ServerAddress server = DefaultServer();
  settings_.options.cddbSite = server.host;
  settings_.options.cddbPort = server.port;
  settings_.options.cddbDesc = kDefaultDescription;
  settings_.cgiPath = kDefaultCgiPath;
  // The attempts shown stay as typed.
  const std::string attempts = model.Text(kIdAttempts);
  ShowServer(model);
  model.SetText(kIdAttempts, attempts);
}

bool CddbSettingsDialog::OnOk(ui::DialogModel& model) {
  if (!IntegerEditsHoldNumbers(table_, model)) return false;
  if (text::TrimAsciiBlanks(model.Text(kIdServer)).empty() ||
      text::TrimAsciiBlanks(model.Text(kIdCgiPath)).empty()) {
    return false;
  }
  TakeControls(model);
  if (settings_.options.nbAttempt == 0) settings_.options.nbAttempt = 1;
  return true;
}

void DiscfetchOptionsDialog::Prepare(ui::DialogModel& model) {
  model.SetItems(kIdSound, ListOfString(kStringSoundList));
  model.SetItems(kIdMedium, ListOfString(kStringMediumList));
}

void DiscfetchOptionsDialog::OnCommand(ui::DialogModel& model, int controlId) {
  (void)model;
  if (controlId != kIdCddbSettings) return;
  CddbSettingsDialog settings(settings_);
  ui::RunModalDialog(kDialogCddbSettings, settings);
}

void AcquisitionDialog::ShowCount(ui::DialogModel& model) const {
  const size_t waiting = std::min(queue_.waiting, queue_.Size());
  model.SetText(
      kIdQueueCount,
      FormatNumbers(
          platform::LoadResourceString(waiting > 0 ? kStringQueueWaiting : kStringQueueCount),
          {static_cast<int64_t>(queue_.Size()), static_cast<int64_t>(kMaxQueuedDiscs),
           static_cast<int64_t>(waiting)}));
  if (ui::Control* ok = model.Find(ui::kIdOk)) ok->enabled = queue_.Size() > 0;
}

void AcquisitionDialog::OnInit(ui::DialogModel& model) {
  model.SetText(kIdDrive, drive_);
  for (int id : {kIdDrive, kIdQueueCount}) {
    if (ui::Control* control = model.Find(id)) control->bold = true;
  }
  ShowCount(model);
}

void AcquisitionDialog::Acquire() {
  platform::TakeNextDisc();
  uint32_t discId = 0;
  if (!ReadDiscId(discId)) return;
  // The disc still in the drive is not queued twice in a row.
  if (discId == queue_.lastDiscId) return;
  queue_.lastDiscId = discId;
  platform::DiscToc toc;
  if (platform::ReadToc(toc)) queue_.Add(discId, std::move(toc));
}

void AcquisitionDialog::OnCommand(ui::DialogModel& model, int controlId) {
  switch (controlId) {
    case kIdAcquire:
      if (queue_.Full()) {
        ui::ShowMessage(platform::LoadResourceString(kStringQueueFull), Caption(),
                        ui::MessageButtons::kOk, ui::MessageIcon::kError);
        return;
      }
      Acquire();
      ShowCount(model);
      return;
    case kIdEject:
      platform::SetDoor(true, drive_);
      return;
    case kIdCloseTray:
      platform::SetDoor(false, drive_);
      return;
    default:
      return;
  }
}

}  // namespace orv::discfetch
