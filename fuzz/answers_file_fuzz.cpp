// An answers file: every line is taken as the answer to the interaction the input names, and
// each dialog line's actions are applied to a small dialog model.
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/fuzz_input.h"
#include "platform/posix/terminal/answers_file.h"
#include "platform/posix/terminal/dialog_actions.h"

namespace {

using namespace orv::ui;

DialogModel SampleModel(int id) {
  DialogModel model;
  model.id = id;
  auto add = [&](int cid, ControlKind kind) {
    Control control;
    control.id = cid;
    control.kind = kind;
    model.controls.push_back(control);
    return &model.controls.back();
  };
  add(1001, ControlKind::kEdit);
  add(1002, ControlKind::kCheckBox);
  add(1003, ControlKind::kRadioButton)->groupStart = true;
  add(1004, ControlKind::kRadioButton);
  add(1005, ControlKind::kComboBox)->items = {"Pal", "Sécam", "Ntsc"};
  add(1006, ControlKind::kTimePicker);
  Control* list = add(1007, ControlKind::kListView);
  list->columns = {{"a", 10}};
  list->rows = {{"x"}, {"y"}, {"z"}};
  add(1008, ControlKind::kButton);
  add(kIdOk, ControlKind::kButton);
  add(kIdCancel, ControlKind::kButton);
  return model;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::fuzz::FuzzInput input(data, size);
  const uint8_t kinds = input.Byte();
  AnswersFile file("answers.txt", input.Rest());
  DialogLogic logic;
  // Each Take consumes at least one line, so this ends with the file.
  for (int turn = 0; turn < 100000; ++turn) {
    Expected expected;
    expected.kind = static_cast<AnswerKind>((kinds >> (2 * (turn % 4))) & 3);
    expected.dialogId = 129;
    expected.buttons = static_cast<MessageButtons>(turn % 6);
    std::optional<Answer> answer;
    const AnswerStatus status = file.Take(expected, answer);
    if (!status.ok) continue;
    if (!answer) break;
    if (answer->kind != AnswerKind::kDialog) continue;
    DialogModel model = SampleModel(answer->dialogId);
    for (const DialogAction& action : answer->actions) {
      std::string error;
      const ActionOutcome outcome = PerformAction(action, model, logic, error);
      if (outcome != ActionOutcome::kDone) break;
    }
  }
  return 0;
}
