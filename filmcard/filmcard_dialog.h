// The options dialog (129): the option table's controls, plus the lists its drop-downs show and
// the repair of a stored duration too short to read.
#ifndef ORV_FILMCARD_FILMCARD_DIALOG_H
#define ORV_FILMCARD_FILMCARD_DIALOG_H

#include <string>
#include <vector>

#include "contract/options_dialog.h"
#include "filmcard/filmcard_options.h"

namespace orv::filmcard {

// The support drop-down's fixed entries, in the user's code page; entry n is support index n.
std::vector<std::string> SupportEntries();

class FilmcardDialog : public OptionsDialog {
 public:
  FilmcardDialog(const OptionTable& table, FilmcardOptions& options)
      : OptionsDialog(table), options_(options) {}

 protected:
  // Runs before the option values go into the controls.
  void Prepare(ui::DialogModel& model) override;

 private:
  FilmcardOptions& options_;
};

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_FILMCARD_DIALOG_H
