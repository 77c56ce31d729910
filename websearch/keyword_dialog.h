// The keyword dialog (1001) both flavours start from: its edit box must not be empty, and the
// keywords come back without blanks around them. "Arrêter" (Cancel) ends the run.
#ifndef ORV_WEBSEARCH_KEYWORD_DIALOG_H
#define ORV_WEBSEARCH_KEYWORD_DIALOG_H

#include <string>

#include "platform/ui.h"

namespace orv::websearch {

class KeywordDialog : public ui::DialogLogic {
 public:
  bool OnOk(ui::DialogModel& model) override;
  const std::string& Keywords() const { return keywords_; }

 protected:
  // Reads the flavour's other controls once the keywords are accepted.
  virtual void Accepted(const ui::DialogModel& model) { (void)model; }

 private:
  std::string keywords_;
};

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_KEYWORD_DIALOG_H
