// Choosing in a full-screen dialog: drop-down entries, the edit field of an editable combo box,
// the rows of lists and double clicks on them, and the calls into the logic each one makes, with
// an OK button the logic keeps disabled. Dialogs 200 and 201 of platform_test.rc, no terminal.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/posix/resource_table.h"
#include "platform/posix/terminal/forms/form_painter.h"
#include "tests/platform/posix/terminal/forms/key_events.h"

namespace orv::ui::form {
namespace {

std::string Rows(const std::vector<int>& rows) {
  std::string text;
  for (int row : rows) text += (text.empty() ? "" : ",") + std::to_string(row);
  return "[" + text + "]";
}

// Shaped like the web search's site list and hit list, with a CDDB-like server field.
class SiteLogic : public DialogLogic {
 public:
  bool doubleClickIsOk = true;
  bool okDisabledAtStart = true;
  std::vector<std::string> events;

  void OnInit(DialogModel& model) override {
    if (model.id != 201) return;
    Control* list = model.Find(304);
    list->columns = {{"Site web", 120}};
    for (const char* site : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}) {
      list->rows.push_back({site});
    }
    model.SetText(301, "127.0.0.1");
    model.Find(302)->icon = 152;
    model.Find(302)->tooltip = "Voir/Editer le fichier de description des sites";
    model.Find(303)->bold = true;
    model.Find(kIdOk)->enabled = !okDisabledAtStart;
  }
  bool OnOk(DialogModel& model) override {
    events.push_back("ok");
    const Control* list = model.Find(304);
    return !list || !list->selectedRows.empty();
  }
  void OnDropDown(DialogModel& model, int id) override {
    events.push_back("drop " + std::to_string(id));
    if (id != 301) return;
    const std::string typed = model.Text(id);
    model.SetItems(id, {"alpha.example", "beta.example", "gamma.example"});
    model.SetText(id, typed);
  }
  void OnSelect(DialogModel& model, int id) override {
    events.push_back("select " + std::to_string(id) + "=" + std::to_string(model.Selection(id)) +
                     " " + model.Text(id));
    model.SetText(303, "choisi : " + model.Text(id));
  }
  void OnSelectionChange(DialogModel& model, int id) override {
    events.push_back("rows " + std::to_string(id) + "=" + Rows(model.Find(id)->selectedRows));
    model.Find(kIdOk)->enabled = true;
  }
  bool OnDoubleClick(DialogModel&, int id) override {
    events.push_back("double " + std::to_string(id));
    return doubleClickIsOk;
  }
  void OnCommand(DialogModel&, int id) override {
    events.push_back("command " + std::to_string(id));
  }
};

using testing::Char;
using testing::K;

class FormChoiceTest : public ::testing::Test {
 protected:
  // Dialog `id` with the logic's OnInit run, as RunModalDialog does before showing it.
  FormController& Form(int id = 201) {
    if (!form_) {
      model_ = LoadDialogModel(id);
      logic_.OnInit(model_);
      form_.emplace(model_, logic_, LayOut(model_, TemplateOf(*platform::FindResourceDialog(id))));
    }
    return *form_;
  }
  FormOutcome Press(std::initializer_list<KeyEvent> keys) {
    FormOutcome outcome = FormOutcome::kContinue;
    for (const KeyEvent& key : keys) outcome = Form().Handle(key);
    return outcome;
  }
  int ItemOf(int id) {
    for (size_t i = 0; i < Form().layout().items.size(); ++i) {
      if (model_.controls[Form().layout().items[i].control].id == id) return static_cast<int>(i);
    }
    return -1;
  }
  int FocusedId() {
    const int focus = Form().focus();
    return focus < 0 ? 0 : model_.controls[Form().layout().items[focus].control].id;
  }
  void TabTo(int id) {
    for (int i = 0; i < 20 && FocusedId() != id; ++i) Form().Handle(K(Key::kTab));
    ASSERT_EQ(FocusedId(), id);
  }
  // A click (or the second click of a double click) on row `row` of list 304.
  KeyEvent OnRow(int row, Key key = Key::kClick) {
    const CellRect& rect = Form().layout().items[ItemOf(304)].rect;
    KeyEvent event = K(key);
    event.row = rect.row + 2 + row;  // under the frame and the titles
    event.col = rect.col + 3;
    return event;
  }
  std::string Screen() {
    const Canvas dialog = PaintDialog(Form(), model_.caption);
    return PaintScreen(Form(), dialog, PlaceDialog(Form(), dialog, 40, 100, View()), 40, 100)
        .Text();
  }

  DialogModel model_;
  SiteLogic logic_;
  std::optional<FormController> form_;
};

TEST_F(FormChoiceTest, AnEditableComboTakesTypingAndAChosenEntryFillsItsField) {
  ASSERT_EQ(FocusedId(), 301);  // the first tab stop, entered by the keyboard
  // Typing replaces the text, Space is typed too: the list opens with F4 only.
  Press({Char('m'), Char('o'), Char('n'), Char(' '), Char('s'), K(Key::kLeft), K(Key::kBackspace)});
  EXPECT_EQ(model_.Text(301), "mons");
  EXPECT_FALSE(Form().dropDown().open());
  EXPECT_TRUE(logic_.events.empty());

  Press({K(Key::kOpenList)});
  ASSERT_TRUE(Form().dropDown().open());
  EXPECT_EQ(model_.Text(301), "mons") << "the logic filled the list, the field kept its text";
  Press({K(Key::kDown), K(Key::kEnter)});
  EXPECT_FALSE(Form().dropDown().open());
  EXPECT_EQ(model_.Text(301), "beta.example");
  EXPECT_EQ(model_.Text(303), "choisi : beta.example");
  // Closed, the arrows step through the entries, each a choice; at the end nothing changes.
  Press({K(Key::kDown), K(Key::kDown)});
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"drop 301", "select 301=1 beta.example",
                                                     "select 301=2 gamma.example"}));
  // A chosen entry is selected in its field: the next key replaces it. Typing an entry's text
  // selects that entry, and the list opens on it.
  Press({Char('a')});
  EXPECT_EQ(model_.Text(301), "a");
  EXPECT_EQ(model_.Selection(301), -1);
  for (char32_t ch : std::u32string(U"lpha.example")) Press({Char(ch)});
  EXPECT_EQ(model_.Selection(301), 0);
  Press({K(Key::kOpenList)});
  EXPECT_EQ(Form().dropDown().cursor, 0);
  // Esc closes the list without a choice.
  Press({K(Key::kDown), K(Key::kEscape)});
  EXPECT_EQ(model_.Text(301), "alpha.example");
  EXPECT_EQ(logic_.events.back(), "drop 301");
}

TEST_F(FormChoiceTest, AClickOnAnEditableComboPlacesTheCaretOrOpensFromItsArrow) {
  Form();
  const CellRect rect = Form().layout().items[ItemOf(301)].rect;
  KeyEvent click = K(Key::kClick);
  click.row = rect.row;
  click.col = rect.col + 4;  // after "127"
  Press({click, Char('!')});
  EXPECT_EQ(model_.Text(301), "127!.0.0.1");
  EXPECT_FALSE(Form().dropDown().open());
  click.col = rect.Right() - 2;  // the arrow
  Press({click});
  EXPECT_TRUE(Form().dropDown().open());
  KeyEvent entry = K(Key::kPopupClick);
  entry.row = 2;
  Press({entry});
  EXPECT_EQ(model_.Text(301), "gamma.example");
  EXPECT_EQ(logic_.events.back(), "select 301=2 gamma.example");
}

TEST_F(FormChoiceTest, ADropDownListTellsTheLogicOfEachEntryChosen) {
  Form(200);
  model_.SetItems(206, {"Pal", "Sécam", "Ntsc"});
  model_.Select(206, 0);
  TabTo(206);
  Press({Char(' '), K(Key::kDown), K(Key::kDown), K(Key::kEnter)});
  EXPECT_EQ(model_.Text(206), "Ntsc");
  Press({K(Key::kOpenList), K(Key::kUp), K(Key::kEscape)});  // closed without a choice
  Press({K(Key::kDown)});                                    // already the last entry
  Press({K(Key::kHome), Char('s')});                         // a step and a first letter
  // Tab in the open list takes its entry, as the list closes with the focus leaving.
  Press({K(Key::kOpenList), K(Key::kDown), K(Key::kTab)});
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"drop 206", "select 206=2 Ntsc", "drop 206",
                                                     "select 206=0 Pal", "select 206=1 Sécam",
                                                     "drop 206", "select 206=2 Ntsc"}));
}

TEST_F(FormChoiceTest, EveryChangeOfTheRowsSelectedReachesTheLogic) {
  TabTo(304);  // several rows may be chosen
  Press({Char(' '), K(Key::kDown), K(Key::kDown), Char(' '), K(Key::kDown)});
  Press({OnRow(0)});   // a click toggles the row under it
  Press({Char('e')});  // type-ahead moves the cursor only
  Press({Char(' ')});
  EXPECT_EQ(model_.Find(304)->selectedRows, (std::vector<int>{2, 4}));
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"rows 304=[0]", "rows 304=[0,2]",
                                                     "rows 304=[2]", "rows 304=[2,4]"}));

  // A list of one choice selects as its cursor moves: a move that stays put tells nothing.
  form_.reset();
  logic_.events.clear();
  Form(200);
  model_.Find(209)->rows = {{"a"}, {"b"}, {"c"}};
  TabTo(209);
  Press({K(Key::kDown), K(Key::kEnd), K(Key::kDown), K(Key::kPageUp)});
  EXPECT_EQ(logic_.events,
            (std::vector<std::string>{"rows 209=[1]", "rows 209=[2]", "rows 209=[0]"}));
}

TEST_F(FormChoiceTest, EnterOnAListIsADoubleClickOnTheRowOfTheCursor) {
  TabTo(304);
  // Nothing chosen: the cursor's row is, and the double click acts as OK.
  Press({K(Key::kDown)});
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kAccepted);
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"rows 304=[1]", "double 304", "ok"}));
  EXPECT_EQ(model_.Find(304)->selectedRows, (std::vector<int>{1}));

  // Rows chosen before stay the choice, wherever the cursor is.
  form_.reset();
  logic_.events.clear();
  TabTo(304);
  Press({Char(' '), K(Key::kDown), K(Key::kDown), Char(' '), K(Key::kDown)});
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kAccepted);
  EXPECT_EQ(model_.Find(304)->selectedRows, (std::vector<int>{0, 2}));
  EXPECT_EQ(logic_.events.back(), "ok");
}

TEST_F(FormChoiceTest, WhereTheLogicIgnoresDoubleClicksEnterPressesTheDefaultButton) {
  logic_.doubleClickIsOk = false;
  logic_.okDisabledAtStart = false;
  TabTo(304);
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kAccepted);
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"rows 304=[0]", "double 304", "ok"}));
  // An empty list has no row to double-click.
  form_.reset();
  logic_.events.clear();
  Form();
  model_.Find(304)->rows.clear();
  TabTo(304);
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kContinue);  // OK refuses: nothing chosen
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"ok"}));
}

TEST_F(FormChoiceTest, AMouseDoubleClickChoosesTheRowAndActsAsOk) {
  TabTo(304);
  Press({Char(' ')});  // row 0 chosen first
  // The first click of the pair toggles row 2 on; the second keeps it and is OK.
  EXPECT_EQ(Press({OnRow(2)}), FormOutcome::kContinue);
  EXPECT_EQ(Press({OnRow(2, Key::kDoubleClick)}), FormOutcome::kAccepted);
  EXPECT_EQ(model_.Find(304)->selectedRows, (std::vector<int>{0, 2}));
  EXPECT_EQ(logic_.events,
            (std::vector<std::string>{"rows 304=[0]", "rows 304=[0,2]", "double 304", "ok"}));
  // Elsewhere a double click is a click.
  form_.reset();
  logic_.events.clear();
  Form();
  const CellRect button = Form().layout().items[ItemOf(302)].rect;
  KeyEvent twice = K(Key::kDoubleClick);
  twice.row = button.row;
  twice.col = button.col + 1;
  Press({twice});
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"command 302"}));
}

TEST_F(FormChoiceTest, ADisabledOkIsNeverPressedUntilTheLogicEnablesIt) {
  TabTo(301);
  // Enter goes to the default button, which is disabled: a beep, and OK is not asked.
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kContinue);
  EXPECT_TRUE(Form().TakeBeep());
  EXPECT_TRUE(logic_.events.empty());
  // Tab passes it by.
  std::vector<int> stops;
  for (int i = 0; i < 5; ++i) {
    Press({K(Key::kTab)});
    stops.push_back(FocusedId());
  }
  EXPECT_EQ(stops, (std::vector<int>{302, 304, kIdCancel, 301, 302}));
  // A choice in the list enables it.
  Press({K(Key::kTab), K(Key::kDown), Char(' '), K(Key::kBackTab), K(Key::kBackTab)});
  EXPECT_TRUE(model_.Find(kIdOk)->enabled);
  EXPECT_EQ(Press({K(Key::kEnter)}), FormOutcome::kAccepted);
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"rows 304=[1]", "ok"}));
}

TEST_F(FormChoiceTest, BoldLabelsIconButtonsAndTheServerFieldAreShown) {
  Press({K(Key::kOpenList), K(Key::kEnter)});  // 303 shows the choice, in bold
  const std::string screen = Screen();
  EXPECT_NE(screen.find("Sites & serveurs"), std::string::npos) << screen;
  EXPECT_NE(screen.find("Serveur :  [alpha.example"), std::string::npos) << screen;
  EXPECT_NE(screen.find("<Voi…>"), std::string::npos) << "the tooltip names the button";
  EXPECT_EQ(screen.find("#130"), std::string::npos) << "an icon has nothing to show";
  const Canvas dialog = PaintDialog(Form(), model_.caption);
  const CellRect label = Form().layout().items[ItemOf(303)].rect;
  EXPECT_TRUE(dialog.at(label.row + 1, label.col + 1).attributes & kBold);
  EXPECT_EQ(dialog.at(label.row + 1, label.col + 1).ch, U'c');
  const CellRect server = Form().layout().items[ItemOf(301)].rect;
  EXPECT_EQ(dialog.cursorRow, server.row + 1) << "the caret is in the field";

  // Focused, the button's whole tooltip shows among the hints.
  Press({K(Key::kTab)});
  ASSERT_EQ(FocusedId(), 302);
  EXPECT_EQ(HintsFor(Form(), 100).rfind("Voir/Editer le fichier de description des sites", 0), 0u);
}

}  // namespace
}  // namespace orv::ui::form
