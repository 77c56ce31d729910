// The three dialogs: options (129), CDDB settings (131, opened from the options dialog) and
// acquisition (130, shown by Open), each logic over its controls' model.
#ifndef ORV_DISCFETCH_DISCFETCH_DIALOGS_H
#define ORV_DISCFETCH_DISCFETCH_DIALOGS_H

#include <string>
#include <vector>

#include "contract/options_dialog.h"
#include "discfetch/cd_queue.h"
#include "discfetch/cddb_client.h"
#include "discfetch/discfetch_options.h"

namespace orv::discfetch {

// The settings the CDDB settings dialog edits in place: the server options, the CGI path
// (kept while the library is loaded, never stored) and what it needs to fetch the sites list.
struct CddbSettings {
  DiscfetchOptions& options;
  std::string& cgiPath;
  const ProxySettings& proxy;  // from the profile; an empty host means none
  CddbClient& client;
};

class CddbSettingsDialog : public ui::DialogLogic {
 public:
  explicit CddbSettingsDialog(CddbSettings settings);

  void OnInit(ui::DialogModel& model) override;
  // The server list: fetched from the public server each time it opens.
  void OnDropDown(ui::DialogModel& model, int controlId) override;
  void OnSelect(ui::DialogModel& model, int controlId) override;
  // "RàZ": the public server again; the attempts stay.
  void OnCommand(ui::DialogModel& model, int controlId) override;
  bool OnOk(ui::DialogModel& model) override;

  const std::vector<CddbSite>& Sites() const { return sites_; }

 private:
  void TakeControls(const ui::DialogModel& model);
  void ShowServer(ui::DialogModel& model) const;

  CddbSettings settings_;
  OptionTable table_;
  std::vector<CddbSite> sites_;  // the list last fetched for the drop-down
};

class DiscfetchOptionsDialog : public OptionsDialog {
 public:
  DiscfetchOptionsDialog(const OptionTable& table, CddbSettings settings)
      : OptionsDialog(table), settings_(settings) {}

  void OnCommand(ui::DialogModel& model, int controlId) override;

 protected:
  void Prepare(ui::DialogModel& model) override;

 private:
  CddbSettings settings_;
};

class AcquisitionDialog : public ui::DialogLogic {
 public:
  AcquisitionDialog(CdQueue& queue, std::string drive) : queue_(queue), drive_(std::move(drive)) {}

  void OnInit(ui::DialogModel& model) override;
  void OnCommand(ui::DialogModel& model, int controlId) override;

 private:
  void Acquire();
  void ShowCount(ui::DialogModel& model) const;

  CdQueue& queue_;
  std::string drive_;
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DISCFETCH_DIALOGS_H
