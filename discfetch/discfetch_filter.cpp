#include "discfetch/discfetch_filter.h"

#include <cstdlib>

#include "contract/list_piece.h"
#include "contract/option_meanings.h"
#include "discfetch/default_server.h"
#include "discfetch/discfetch_dialogs.h"
#include "discfetch/item_builders.h"
#include "discfetch/resource_ids.h"
#include "platform/cd_drive.h"
#include "platform/option_record.h"
#include "platform/profile.h"
#include "platform/resources.h"
#include "text/number.h"

namespace orv::discfetch {
namespace {

// The host's own proxy values hold at most this much text.
constexpr size_t kMaxProxyText = 599;

std::string Caption() { return platform::LoadResourceString(kStringFilterName); }

std::string ListPiece(const std::string& list, int index) {
  return GetListPiece(index, list, "", "|", EmptyPiece::kEmptyText);
}

}  // namespace

DiscfetchFilter::DiscfetchFilter() : table_(MakeOptionTable(options_)), cgiPath_(kDefaultCgiPath) {
  proxy_.port = 0;
}

void DiscfetchFilter::Describe(FilterInfo& info) {
  info.category = ORV_CATEGORY_AUDIO;
  info.sourceKind = ORV_SOURCE_NONE;
  info.isExport = 0;
}

std::unique_ptr<ui::DialogLogic> DiscfetchFilter::MakeOptionsDialog() {
  return std::make_unique<DiscfetchOptionsDialog>(
      table_, CddbSettings{options_, cgiPath_, proxy_, client_});
}

void DiscfetchFilter::ReadProxySettings() {
  const std::string names = platform::LoadResourceString(kStringProxyValues);
  platform::ProfileLocation where;
  where.keyPath = ListPiece(names, 1);
  if (where.keyPath.empty()) return;
  // Each value replaces the setting only when it could be read.
  const auto text = [&](int piece, std::string& setting) {
    const std::optional<std::string> value =
        platform::ReadProfileText(where, ListPiece(names, piece));
    if (value && value->size() <= kMaxProxyText) setting = *value;
  };
  text(3, proxy_.password);
  text(4, proxy_.host);
  text(5, proxy_.user);
  if (const std::optional<int32_t> port = platform::ReadProfileInt(where, ListPiece(names, 2))) {
    proxy_.port = *port;
  }
}

int32_t DiscfetchFilter::Configure(const char* profileName, const char* registryKey,
                                   int32_t showDialog) {
  // The defaults follow $ORVHOST_CDDB_DEFAULT as it is now.
  table_ = MakeOptionTable(options_);
  Filter::Configure(profileName, registryKey, 0);
  if (platform::OptionMeaningsWanted(OptionStore())) {
    // The server's options belong to the CDDB settings dialog; their labels are the template's.
    platform::NoteOptionMeanings(
        OptionStore(),
        OptionMeanings(MakeSettingsTable(options_), ui::LoadDialogModel(kDialogCddbSettings)));
  }
  ReadProxySettings();
  const char* timeout = std::getenv("ORVHOST_CDDB_TIMEOUT");
  timeoutMs_ = timeout ? text::IntegerValue(timeout) : kRunTimeoutMs;
  if (timeoutMs_ <= 0) timeoutMs_ = kRunTimeoutMs;
  if (!showDialog) return 1;
  // What the CDDB settings dialog changed stays in memory even when this one is cancelled;
  // it reaches the profile only through OK here.
  std::unique_ptr<ui::DialogLogic> dialog = MakeOptionsDialog();
  if (ui::RunModalDialog(kDialogOptions, *dialog) != ui::DialogResult::kOk) return 0;
  SaveOptions(table_, OptionStore());
  return 1;
}

int32_t DiscfetchFilter::Open(const char* path, HostDocument* document, ItemList* items) {
  (void)path;  // the discs come from the drive
  (void)document;
  (void)items;
  running_ = false;
  aborted_ = false;
  client_.SetClient("Orvella", "6.4.0");
  client_.SetTimeout(static_cast<uint32_t>(timeoutMs_));
  discIndex_ = 0;
  trackIndex_ = 0;
  newDisc_ = true;
  missingTracks_ = false;

  const std::vector<std::string> drives = platform::ListCdDrives();
  if (drives.empty()) {
    ui::ShowMessage(platform::LoadResourceString(kStringNoDrive), Caption(),
                    ui::MessageButtons::kOk, ui::MessageIcon::kError);
    return 0;
  }
  drive_ = drives.front();
  AcquisitionDialog acquisition(queue_, drive_);
  if (ui::RunModalDialog(kDialogAcquisition, acquisition) != ui::DialogResult::kOk ||
      queue_.Size() == 0) {
    return 0;
  }
  server_ = CddbSite();
  server_.host = options_.cddbSite;
  server_.port = options_.cddbPort;
  server_.path = cgiPath_;
  if (!proxy_.host.empty()) client_.SetProxy(proxy_);
  // Both answers are discarded: the requests only greet the servers.
  const ServerAddress publicServer = DefaultServer();
  std::vector<CddbSite> sites;
  client_.GetSites(publicServer.host, kDefaultCgiPath, publicServer.port, sites);
  ServerStatus status;
  client_.GetStatus(server_, status);
  done_.assign(queue_.Size(), false);
  running_ = true;
  return 1;
}

int32_t DiscfetchFilter::Close() {
  // Discs this run finished leave the queue; those it did not reach wait for the next run.
  if (running_) queue_.RemoveDone(done_);
  done_.clear();
  running_ = false;
  return 1;
}

int32_t DiscfetchFilter::GetCount() {
  int64_t count = static_cast<int64_t>(queue_.Size());
  if (options_.createTitles) {
    for (const platform::DiscToc& toc : queue_.tocs) count += static_cast<int64_t>(toc.size());
  }
  return count > 0x7fffffff ? 0x7fffffff : static_cast<int32_t>(count);
}

void DiscfetchFilter::FinishDisc(bool done) {
  if (discIndex_ < done_.size()) done_[discIndex_] = done;
  ++discIndex_;
  newDisc_ = true;
  missingTracks_ = false;
}

bool DiscfetchFilter::ReadWithRetries(const QueryMatch& match) {
  const int32_t attempts = options_.nbAttempt > 0 ? options_.nbAttempt : 1;
  while (true) {
    for (int32_t attempt = 0; attempt < attempts; ++attempt) {
      if (client_.ReadEntry(server_, match.cddbCategory, match.discId, entry_)) return true;
    }
    if (options_.nbAttempt <= 0) return false;
    const ui::MessageAnswer answer =
        ui::ShowMessage(platform::LoadResourceString(kStringReadFailed), Caption(),
                        ui::MessageButtons::kAbortRetryIgnore, ui::MessageIcon::kExclamation);
    if (answer == ui::MessageAnswer::kRetry) continue;
    if (answer == ui::MessageAnswer::kAbort) aborted_ = true;
    return false;
  }
}

int32_t DiscfetchFilter::StartDisc(MediaItem& item, int32_t& itemKind) {
  entry_ = DiscEntry();
  trackIndex_ = 0;
  const uint32_t discId = queue_.discIds[discIndex_];
  const platform::DiscToc& toc = queue_.tocs[discIndex_];
  const int32_t attempts = options_.nbAttempt > 0 ? options_.nbAttempt : 1;
  bool found = false;
  for (int32_t attempt = 0; attempt < attempts && !found; ++attempt) {
    found = client_.QueryDisc(server_, discId, toc, matches_);
  }
  const DiscContext disc{options_, static_cast<int>(discIndex_) + 1, toc, entry_};
  if (found) {
    // The server's order decides: the first match is read.
    if (!ReadWithRetries(matches_.front())) {
      if (aborted_) return -1;
      FinishDisc(false);  // skipped: it stays queued for another run
      return 0;
    }
    if (!options_.createTitles) {
      FillDiscItem(item, disc);
      itemKind = ORV_CATEGORY_AUDIO;
      FinishDisc(true);
      return 1;
    }
    FillDiscHeading(item, disc);
    itemKind = ORV_KIND_HEADING;
    newDisc_ = false;
    return 1;
  }
  if (options_.createTitles) {
    missingTracks_ = true;
    newDisc_ = false;
    if (!options_.createNotFound) return 0;
    FillMissingHeading(item, disc);
    itemKind = ORV_KIND_HEADING;
    return 1;
  }
  FinishDisc(true);
  if (!options_.createNotFound) return 0;
  FillMissingDiscItem(item, disc);
  itemKind = ORV_CATEGORY_AUDIO;
  return 1;
}

int32_t DiscfetchFilter::ProcessItem(MediaItem& item, int32_t& itemKind) {
  itemKind = 0;
  // The run ends when every queued disc is done, however many titles their entries held.
  if (!running_ || aborted_ || discIndex_ >= queue_.Size()) return -1;
  const platform::DiscToc& toc = queue_.tocs[discIndex_];
  const DiscContext disc{options_, static_cast<int>(discIndex_) + 1, toc, entry_};
  if (missingTracks_) {
    const size_t tracks = toc.empty() ? 0 : toc.size() - 1;
    if (trackIndex_ < tracks) {
      ++trackIndex_;
      if (!options_.createNotFound) return 0;
      FillMissingTrackItem(item, disc, trackIndex_);
      itemKind = ORV_CATEGORY_AUDIO;
      return 1;
    }
    FinishDisc(true);
    return 0;
  }
  if (newDisc_) return StartDisc(item, itemKind);
  if (trackIndex_ < entry_.trackTitles.size()) {
    FillTrackItem(item, disc, trackIndex_);
    ++trackIndex_;
    itemKind = ORV_CATEGORY_AUDIO;
    return 1;
  }
  FinishDisc(true);
  return 0;
}

}  // namespace orv::discfetch
