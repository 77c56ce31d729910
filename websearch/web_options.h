// The options both web search filters have, and the part of their options dialogs that goes
// with them: the picture radios, the edit button of the site file.
#ifndef ORV_WEBSEARCH_WEB_OPTIONS_H
#define ORV_WEBSEARCH_WEB_OPTIONS_H

#include <cstdint>
#include <string>

#include "contract/options.h"
#include "contract/options_dialog.h"
#include "websearch/site_file.h"

namespace orv::websearch {

struct WebOptions {
  int32_t validateResult = 1;  // confirm each item before it is imported
  int32_t correctCast = 1;     // FixCapitals on every value
  int32_t importLink = 1;      // a link item after each item
  int32_t copyImage = 1;       // 0 keep the address, 1 download the picture, 2 keep the address
  int32_t debugMode = 0;
};

// ValidateResult, CorrectCast, ImportLink, CopyImage, DebugMode, in that order, appended.
void AppendWebOptions(OptionTable& table, WebOptions& options);

// Number boxes ("unsigned number" edit boxes bound to integer options).
void ShowNumber(ui::DialogModel& model, int controlId, int32_t value);
// The number typed in the box; false when it does not hold one (blanks around it aside).
bool ReadNumber(const ui::DialogModel& model, int controlId, int32_t& value);

// Opens the site file in the text editor (on Linux the user's copy, made first: see
// SiteFileToEdit), or says (string 71) that it does not exist.
void EditSiteFile(const SiteFile& file);

class WebOptionsDialog : public OptionsDialog {
 public:
  // `number` is the integer option the number box `numberBox` shows.
  WebOptionsDialog(const OptionTable& table, WebOptions& web, SiteFile siteFile, int numberBox,
                   int32_t& number)
      : OptionsDialog(table),
        web_(web),
        siteFile_(std::move(siteFile)),
        numberBox_(numberBox),
        number_(number) {}

  void OnInit(ui::DialogModel& model) override;
  void OnCommand(ui::DialogModel& model, int controlId) override;

 protected:
  // The number box must hold a number.
  bool Accept(ui::DialogModel& model) override;
  const SiteFile& Site() const { return siteFile_; }

 private:
  WebOptions& web_;
  SiteFile siteFile_;
  int numberBox_;
  int32_t& number_;
};

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_WEB_OPTIONS_H
