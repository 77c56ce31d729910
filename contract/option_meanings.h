// What each option of a table means to the user, in the words of the filter's options dialog:
// how orvhost explains options without showing the dialog.
#ifndef ORV_CONTRACT_OPTION_MEANINGS_H
#define ORV_CONTRACT_OPTION_MEANINGS_H

#include <string>
#include <string_view>
#include <vector>

#include "contract/options.h"
#include "platform/option_record.h"
#include "platform/ui.h"

namespace orv {

// A control's text as a label reads: accelerator marks gone ("&&" stays one "&"), blanks and a
// closing colon trimmed ("Su&pport :" -> "Support").
std::string LabelText(std::string_view text);

// For each option bound to a control of `model` (the dialog as its OnInit left it, values
// pushed): a check box's or an edit box's label, the label of the radio button its value
// chooses, or a list's label with the entry its value chooses ("Son: Stéréo"). The label of a
// box is the nearest text before it in the template: a static text, a group box's caption, or a
// button's text that ends with a colon. Options without a control, or whose value chooses
// nothing, have no meaning.
std::vector<platform::OptionMeaning> OptionMeanings(const OptionTable& table,
                                                    const ui::DialogModel& model);

}  // namespace orv

#endif  // ORV_CONTRACT_OPTION_MEANINGS_H
