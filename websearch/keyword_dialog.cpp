#include "websearch/keyword_dialog.h"

#include "text/ascii.h"
#include "websearch/web_ids.h"

namespace orv::websearch {

bool KeywordDialog::OnOk(ui::DialogModel& model) {
  const std::string typed(text::TrimAsciiBlanks(model.Text(kIdKeywords)));
  if (typed.empty()) return false;
  keywords_ = typed;
  Accepted(model);
  return true;
}

}  // namespace orv::websearch
