#include "discfetch/discfetch_filter.h"

#include <cstdlib>

#include "contract/list_piece.h"
#include "contract/option_meanings.h"
#include "discfetch/default_server.h"
#include "discfetch/disc_lookup.h"
#include "discfetch/discfetch_dialogs.h"
#include "discfetch/item_builders.h"
#include "discfetch/resource_ids.h"
#include "platform/activity.h"
#include "platform/cd_drive.h"
#include "platform/data_folder.h"
#include "platform/option_record.h"
#include "platform/profile.h"
#include "platform/resources.h"
#include "text/number.h"

namespace orv::discfetch {
namespace {

// The entry cache's folder among the filters' data folders.
constexpr const char* kFilterName = "discfetch";

// The host's own proxy values hold at most this much text.
constexpr size_t kMaxProxyText = 599;

std::string Caption() { return platform::LoadResourceString(kStringFilterName); }

std::string ListPiece(const std::string& list, int index) {
  return GetListPiece(index, list, "", "|", EmptyPiece::kEmptyText);
}

}  // namespace

DiscfetchFilter::DiscfetchFilter()
    : table_(MakeOptionTable(options_)),
      cgiPath_(kDefaultCgiPath),
      activity_([](const std::string& text) { platform::ShowActivity(text); }) {
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
  // Read afresh each time: a proxy the user removed in the host is no longer used.
  proxy_ = ProxySettings();
  proxy_.port = 0;
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
  std::string host;
  if (SplitProxyUrl(proxy_.host, host, proxy_.port)) {
    proxy_.host = host;
  } else {
    proxy_.host.clear();
  }
  if (!proxy_.host.empty() && proxy_.port <= 0) proxy_.port = 80;
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
  failures_.clear();
  callsDone_ = 0;
  client_.SetClient("Orvella", "6.4.0");
  client_.SetTimeout(static_cast<uint32_t>(timeoutMs_));
  client_.SetIdentity(options_.cddbEmail);
  client_.SetProtocolLevel(kProtocolLevel);
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
  ReadProxySettings();
  client_.SetProxy(proxy_);
  // Both answers are discarded: the requests only greet the servers. Cache only means no
  // network at all.
  if (options_.cddbCache != kCacheOnly) {
    const ServerAddress publicServer = DefaultServer();
    std::vector<CddbSite> sites;
    client_.GetSites(publicServer.host, kDefaultCgiPath, publicServer.port, sites);
    ServerStatus status;
    client_.GetStatus(server_, status);
  }
  done_.assign(queue_.Size(), false);
  running_ = true;
  return 1;
}

int32_t DiscfetchFilter::Close() {
  // Discs this run finished leave the queue; those it did not reach wait for the next run.
  if (running_) queue_.RemoveDone(done_);
  if (running_ && !failures_.empty()) {
    ui::ShowMessage(FailureReport(failures_), Caption(), ui::MessageButtons::kOk,
                    ui::MessageIcon::kExclamation);
  }
  done_.clear();
  running_ = false;
  return 1;
}

int32_t DiscfetchFilter::GetCount() {
  // During a run: the calls made, plus what the discs ahead will take, the disc in work
  // counted from what its entry holds, so the count never falls behind the calls.
  int64_t count = running_ ? callsDone_ : 0;
  const size_t first = running_ ? discIndex_ : 0;
  for (size_t i = first; i < queue_.Size(); ++i) {
    count += options_.createTitles ? static_cast<int64_t>(queue_.tocs[i].size()) + 1 : 1;
  }
  if (running_ && first < queue_.Size() && !newDisc_ && options_.createTitles) {
    const platform::DiscToc& toc = queue_.tocs[first];
    const size_t ahead =
        missingTracks_ ? (toc.empty() ? 0 : toc.size() - 1) : entry_.trackTitles.size();
    count -= static_cast<int64_t>(toc.size()) + 1;
    count += static_cast<int64_t>(ahead > trackIndex_ ? ahead - trackIndex_ : 0) + 1;
  }
  return count > 0x7fffffff ? 0x7fffffff : static_cast<int32_t>(count);
}

void DiscfetchFilter::FinishDisc(bool done) {
  if (discIndex_ < done_.size()) done_[discIndex_] = done;
  ++discIndex_;
  newDisc_ = true;
  missingTracks_ = false;
}

int32_t DiscfetchFilter::StartDisc(MediaItem& item, int32_t& itemKind) {
  trackIndex_ = 0;
  const uint32_t discId = queue_.discIds[discIndex_];
  const platform::DiscToc& toc = queue_.tocs[discIndex_];
  const int position = static_cast<int>(discIndex_) + 1;
  const std::string waiting =
      FormatNumbers(platform::LoadResourceString(kStringWaitingOn), {position});
  client_.SetWaitNotice([&](const std::string& server) { activity_(waiting + server); });
  const XmcdCache cache(options_.cddbCache == kCacheOff ? std::string()
                                                        : platform::FilterDataFolder(kFilterName));
  DiscLookup lookup(client_, options_, server_, cache);
  const LookupResult result = lookup.Find(position, discId, toc, entry_);
  client_.SetWaitNotice(nullptr);
  activity_("");
  const DiscContext disc{options_, position, toc, entry_};
  switch (result.kind) {
    case LookupResult::Kind::kAborted:
      aborted_ = true;
      return -1;
    case LookupResult::Kind::kFailed:
      failures_.push_back(result.failure);
      FinishDisc(false);  // it stays queued for another run
      return 0;
    case LookupResult::Kind::kNotFound:
      if (!options_.createNotFound) failures_.push_back(result.failure);
      break;
    case LookupResult::Kind::kFound:
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
  ++callsDone_;
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
