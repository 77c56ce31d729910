// Keys and clicks on a full-screen dialog: focus order, the calls into the dialog logic, and
// what each kind of control does with its keys. Dialog 200 of platform_test.rc, no terminal.
#include "platform/posix/terminal/forms/form_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/resource_table.h"
#include "tests/platform/posix/terminal/forms/key_events.h"

namespace orv::ui::form {
namespace {

class RecordingLogic : public DialogLogic {
 public:
  int refusals = 0;
  bool disableNameOnClick = false;  // a click on 202 disables the edit box 201
  std::vector<std::string> events;

  bool OnOk(DialogModel&) override {
    events.push_back("ok");
    if (refusals == 0) return true;
    --refusals;
    return false;
  }
  void OnCommand(DialogModel&, int id) override { events.push_back("command " + Id(id)); }
  void OnClick(DialogModel& model, int id) override {
    events.push_back("click " + Id(id) + "=" + std::to_string(model.Checked(id)));
    if (disableNameOnClick && id == 202) model.Find(201)->enabled = !model.Checked(202);
  }
  void OnDropDown(DialogModel& model, int id) override {
    events.push_back("drop " + Id(id));
    // Entries filled only when the list opens, keeping the choice made before.
    const int kept = model.Selection(id);
    model.SetItems(id, {"Pal", "Sécam", "Ntsc", "DivX"});
    model.Select(id, kept);
  }

 private:
  static std::string Id(int id) { return std::to_string(id); }
};

using testing::Char;
using testing::K;
KeyEvent Alt(char32_t ch) {
  KeyEvent event = Char(ch);
  event.key = Key::kAlt;
  return event;
}

class FormControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model_ = LoadDialogModel(200);
    model_.SetText(201, "Alien");
    model_.SetItems(206, {"Pal", "Sécam"});
    model_.Select(206, 0);
    Control* list = model_.Find(209);
    list->columns = {{"Balise", 90}, {"signification", 120}};
    for (int i = 0; i < 12; ++i) list->rows.push_back({"tag" + std::to_string(i), "sens"});
    template_ = TemplateOf(*platform::FindResourceDialog(200));
  }

  FormController& Form() {
    if (!form_) form_.emplace(model_, logic_, LayOut(model_, template_));
    return *form_;
  }
  int FocusedId() {
    const int focus = Form().focus();
    return focus < 0 ? 0 : model_.controls[Form().layout().items[focus].control].id;
  }
  int ItemOf(int id) {
    for (size_t i = 0; i < Form().layout().items.size(); ++i) {
      if (model_.controls[Form().layout().items[i].control].id == id) return static_cast<int>(i);
    }
    return -1;
  }
  FormOutcome Press(std::initializer_list<KeyEvent> keys) {
    FormOutcome outcome = FormOutcome::kContinue;
    for (const KeyEvent& key : keys) outcome = Form().Handle(key);
    return outcome;
  }
  void TabTo(int id) {
    for (int i = 0; i < 20 && FocusedId() != id; ++i) Form().Handle(K(Key::kTab));
    ASSERT_EQ(FocusedId(), id);
  }
  KeyEvent ClickOn(int id, int rowOffset = 0, int colOffset = 0) {
    const CellRect& rect = Form().layout().items[ItemOf(id)].rect;
    KeyEvent event = K(Key::kClick);
    event.row = rect.row + rowOffset;
    event.col = rect.col + colOffset;
    return event;
  }

  DialogModel model_;
  DialogTemplate template_;
  RecordingLogic logic_;
  std::optional<FormController> form_;
};

TEST_F(FormControllerTest, TabVisitsTheTabStopsInTemplateOrderAndARadioGroupOnce) {
  model_.CheckRadio(204);
  std::vector<int> order = {FocusedId()};
  for (int i = 0; i < 9; ++i) {
    Form().Handle(K(Key::kTab));
    order.push_back(FocusedId());
  }
  // The group of 203..205 is entered on its checked button; labels and frames are skipped.
  EXPECT_EQ(order, (std::vector<int>{201, 202, 204, 206, 207, 208, 209, 1, 2, 201}));
  Press({K(Key::kBackTab), K(Key::kBackTab)});
  EXPECT_EQ(FocusedId(), 1);
}

TEST_F(FormControllerTest, SpaceAndArrowsClickCheckBoxesAndRadioButtonsForTheLogic) {
  TabTo(202);
  Press({Char(' ')});
  EXPECT_EQ(model_.Checked(202), 1);
  Press({K(Key::kTab), Char(' '), K(Key::kDown), K(Key::kDown), K(Key::kDown)});
  // Arrows check as they move, wrapping at the end of the group, which holds only 203..205.
  EXPECT_EQ(FocusedId(), 203);
  EXPECT_EQ(model_.RadioPosition(203, 3), 0);
  EXPECT_EQ(model_.Checked(202), 1);
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"click 202=1", "click 203=1", "click 204=1",
                                                     "click 205=1", "click 203=1"}));
}

TEST_F(FormControllerTest, ControlsTheLogicDisablesAreLeftByTheFocusAndByTab) {
  logic_.disableNameOnClick = true;
  Press({K(Key::kTab), Char(' ')});
  ASSERT_FALSE(model_.Find(201)->enabled);
  Press({K(Key::kBackTab)});
  EXPECT_EQ(FocusedId(), 2);  // 201 is no stop any more: from 202 back to the last one

  // Disabled while focused: the focus moves on at once.
  Press({K(Key::kTab), Char(' ')});
  ASSERT_TRUE(model_.Find(201)->enabled);
  Press({K(Key::kBackTab)});
  ASSERT_EQ(FocusedId(), 201);
  model_.Find(201)->enabled = false;
  Press({K(Key::kNone)});
  EXPECT_EQ(FocusedId(), 202);
  EXPECT_EQ(Press({ClickOn(201)}), FormOutcome::kContinue);
  EXPECT_TRUE(Form().TakeBeep());
}

TEST_F(FormControllerTest, ADropDownListIsFilledByTheLogicWhenItOpens) {
  TabTo(206);
  Press({Char(' ')});
  ASSERT_TRUE(Form().dropDown().open());
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"drop 206"}));
  EXPECT_EQ(Form().dropDown().cursor, 0);  // on the current choice
  Press({K(Key::kDown), K(Key::kDown), K(Key::kEnter)});
  EXPECT_FALSE(Form().dropDown().open());
  EXPECT_EQ(model_.Text(206), "Ntsc");

  // Esc closes it without a change; typing a letter jumps to the entry it starts.
  Press({K(Key::kOpenList), K(Key::kUp), K(Key::kEscape)});
  EXPECT_EQ(model_.Text(206), "Ntsc");
  EXPECT_EQ(Press({K(Key::kOpenList), Char('d'), Char(' ')}), FormOutcome::kContinue);
  EXPECT_EQ(model_.Text(206), "DivX");
  // Closed, the arrows step through the entries without opening the list.
  Press({K(Key::kUp)});
  EXPECT_EQ(model_.Text(206), "Ntsc");
  EXPECT_EQ(logic_.events.size(), 3u);
}

TEST_F(FormControllerTest, AClickOnAnEntryOfTheOpenListChoosesIt) {
  Press({ClickOn(206)});
  ASSERT_TRUE(Form().dropDown().open());
  KeyEvent entry = K(Key::kPopupClick);
  entry.row = 3;
  Press({entry});
  EXPECT_EQ(model_.Text(206), "DivX");
  // A click beside the open list only closes it.
  Press({ClickOn(206), ClickOn(202)});
  EXPECT_FALSE(Form().dropDown().open());
  EXPECT_EQ(model_.Checked(202), 0);
}

TEST_F(FormControllerTest, TypingReplacesATextEnteredByTabAndEditsInPlaceAfterAMove) {
  // The first tab stop has the focus from the start, as the keyboard put it there.
  Press({Char('B'), Char(U'é'), Char('b'), Char(U'é')});
  EXPECT_EQ(model_.Text(201), "Bébé");
  Press({K(Key::kHome), K(Key::kDelete), Char('b'), K(Key::kEnd), K(Key::kBackspace), K(Key::kLeft),
         Char('x')});
  EXPECT_EQ(model_.Text(201), "béxb");
  EXPECT_EQ(Form().state(ItemOf(201)).caret, 3u);

  // A click puts the caret where it lands: no replacing then.
  Press({ClickOn(201, 0, 3), Char('-')});
  EXPECT_EQ(model_.Text(201), "bé-xb");
}

TEST_F(FormControllerTest, EditBoxStylesLimitWhatTypingDoes) {
  template_.controls[1].digitsOnly = true;  // 201
  Press({Char('1'), Char('a'), Char('2')});
  EXPECT_EQ(model_.Text(201), "12");
  EXPECT_TRUE(Form().TakeBeep());

  template_.controls[1].digitsOnly = false;
  template_.controls[1].readOnly = true;
  form_.reset();
  Press({Char('z'), K(Key::kBackspace)});
  EXPECT_EQ(model_.Text(201), "12");
}

TEST_F(FormControllerTest, ALongTextScrollsInItsFieldToKeepTheCaretInSight) {
  const std::string text(200, 'a');
  model_.SetText(201, text);
  const int field = Form().layout().items[ItemOf(201)].rect.width - 2;
  const ItemState& state = Form().state(ItemOf(201));
  EXPECT_EQ(state.caret, 200u);
  EXPECT_GE(state.scroll, 200 - field);
  EXPECT_LT(200 - state.scroll, field);
  Press({K(Key::kHome)});
  EXPECT_EQ(state.scroll, 0);
}

TEST_F(FormControllerTest, TheTimePickerTakesTwoDigitsAFieldAndStepsWithTheArrows) {
  TabTo(208);
  Press({Char('0'), Char('2'), Char('3'), Char('0'), Char('7')});
  const Control& time = *model_.Find(208);
  EXPECT_EQ(time.hour, 2);
  EXPECT_EQ(time.minute, 30);
  EXPECT_EQ(time.second, 7);
  // A first digit that cannot begin two fills the field alone and moves on.
  Press({K(Key::kHome), Char('9'), Char('5')});
  EXPECT_EQ(time.hour, 9);
  EXPECT_EQ(time.minute, 5);
  Press({K(Key::kHome), K(Key::kDown), K(Key::kRight), K(Key::kRight), K(Key::kUp)});
  EXPECT_EQ(time.hour, 8);
  EXPECT_EQ(time.second, 8);
  Press({K(Key::kHome)});
  for (int i = 0; i < 16; ++i) Press({K(Key::kUp)});
  EXPECT_EQ(time.hour, 0);  // 23 wraps to 0
}

TEST_F(FormControllerTest, ASingleChoiceListSelectsTheRowOfItsCursor) {
  TabTo(209);
  Press({K(Key::kDown), K(Key::kDown)});
  EXPECT_EQ(model_.Find(209)->selectedRows, (std::vector<int>{2}));
  Press({K(Key::kEnd)});
  EXPECT_EQ(model_.Find(209)->selectedRows, (std::vector<int>{11}));
  const ItemState& state = Form().state(ItemOf(209));
  const int rows = FormController::ListRows(Form().layout().items[ItemOf(209)]);
  EXPECT_EQ(state.top, 12 - rows);  // scrolled to show its last row
  Press({K(Key::kPageUp)});
  EXPECT_EQ(state.cursor, 11 - rows);
  EXPECT_EQ(state.top, 11 - rows);
}

TEST_F(FormControllerTest, AListOfSeveralChoicesTogglesRowsWithSpaceAndClicks) {
  template_.controls[10].multiSelect = true;  // 209
  TabTo(209);
  Press({Char(' '), K(Key::kDown), K(Key::kDown), Char(' '), K(Key::kDown)});
  EXPECT_EQ(model_.Find(209)->selectedRows, (std::vector<int>{0, 2}));
  Press({ClickOn(209, 2 + 1), ClickOn(209, 2 + 0)});  // rows 1 and 0, under the titles
  EXPECT_EQ(model_.Find(209)->selectedRows, (std::vector<int>{1, 2}));
  Press({Char('t'), Char('t')});  // type-ahead moves the cursor only
  EXPECT_EQ(Form().state(ItemOf(209)).cursor, 2);
  EXPECT_EQ(model_.Find(209)->selectedRows, (std::vector<int>{1, 2}));
}

TEST_F(FormControllerTest, EnterPressesTheFocusedButtonElseTheDefaultOne) {
  TabTo(207);
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kContinue);
  EXPECT_EQ(logic_.events.back(), "command 207");
  logic_.refusals = 1;
  Press({K(Key::kTab)});  // on the time picker: Enter goes to OK, the default button
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kContinue);  // refused: the dialog stays
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kAccepted);
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"command 207", "ok", "ok"}));
}

TEST_F(FormControllerTest, EscapeCancelsWithoutAskingTheLogicUnlessCancelIsDisabled) {
  Press({Char('x')});
  EXPECT_EQ(Press({K(Key::kEscape)}), FormOutcome::kCancelled);
  EXPECT_TRUE(logic_.events.empty());
  model_.Find(kIdCancel)->enabled = false;
  EXPECT_EQ(Press({K(Key::kEscape)}), FormOutcome::kContinue);
  EXPECT_TRUE(Form().TakeBeep());
}

TEST_F(FormControllerTest, MnemonicsActLikeClicksAndLabelsLeadToTheirControl) {
  TabTo(208);
  Press({Alt('o')});  // "Activer l'&option"
  EXPECT_EQ(FocusedId(), 202);
  EXPECT_EQ(model_.Checked(202), 1);
  Press({Alt('N')});  // the label "&Nom :" gives the focus to its edit box
  EXPECT_EQ(FocusedId(), 201);
  EXPECT_EQ(model_.Text(201), "Alien");
  Press({Alt('p')});  // "&Parcourir"
  EXPECT_EQ(logic_.events.back(), "command 207");
  // Without Alt a letter is a mnemonic only where it types nothing.
  Press({K(Key::kTab), Char('o')});
  EXPECT_EQ(model_.Checked(202), 0);
  Press({Alt('q')});
  EXPECT_TRUE(Form().TakeBeep());
}

TEST_F(FormControllerTest, ClicksActOnTheControlUnderThem) {
  Press({ClickOn(202, 0, 10)});  // on its text
  EXPECT_EQ(model_.Checked(202), 1);
  Press({ClickOn(205)});
  EXPECT_EQ(model_.RadioPosition(203, 3), 2);
  Press({ClickOn(207)});
  EXPECT_EQ(logic_.events.back(), "command 207");
  EXPECT_EQ(Press({ClickOn(kIdOk)}), FormOutcome::kAccepted);
}

TEST_F(FormControllerTest, ListsTheLogicEmptiesKeepTheirCursorInside) {
  TabTo(209);
  Press({K(Key::kEnd)});
  model_.Find(209)->rows.resize(2);
  Press({K(Key::kNone)});
  EXPECT_EQ(Form().state(ItemOf(209)).cursor, 1);
  EXPECT_EQ(Form().state(ItemOf(209)).top, 0);
  model_.Find(209)->rows.clear();
  Press({K(Key::kDown), Char(' ')});
  EXPECT_EQ(Form().state(ItemOf(209)).cursor, 0);
}

}  // namespace
}  // namespace orv::ui::form
