// Where a full-screen dialog puts its controls and what the screen shows: dialog units to
// cells, labels running on into free cells, a dialog larger than the terminal scrolled to its
// focus. Dialog 200 of platform_test.rc and made-up templates, drawn on canvases.
#include <gtest/gtest.h>

#include "platform/posix/terminal/forms/form_painter.h"
#include "platform/posix/resource_table.h"

namespace orv::ui::form {
namespace {

const FormItem& ItemFor(const FormLayout& layout, const DialogModel& model, int id) {
  for (const FormItem& item : layout.items) {
    if (model.controls[item.control].id == id) return item;
  }
  static const FormItem none;
  ADD_FAILURE() << "no item " << id;
  return none;
}

TEST(FormLayoutTest, ControlsLandOnTheCellsOfTheirTemplatePlaces) {
  // A label and the drop-down list beside it, 2 units apart in height, share a row.
  const CellRect label = CellsOf(ControlKind::kLabel, 14, 22, 62, 8);
  const CellRect combo = CellsOf(ControlKind::kComboBox, 80, 20, 90, 120);
  EXPECT_EQ(label.row, combo.row);
  EXPECT_EQ(combo.height, 1);  // its template height is that of the open list
  EXPECT_EQ(combo.col, 20);
  EXPECT_GT(combo.col, label.col + 15);
  // Radio buttons 12 units apart never share a row.
  for (int y = 0; y < 64; ++y) {
    EXPECT_LT(CellsOf(ControlKind::kRadioButton, 8, y, 60, 10).row,
              CellsOf(ControlKind::kRadioButton, 8, y + 12, 60, 10).row);
  }
  // A group box's frame lies around the controls inside it.
  const CellRect group = CellsOf(ControlKind::kGroupBox, 7, 127, 316, 38);
  for (int y : {139, 151}) {
    const CellRect radio = CellsOf(ControlKind::kRadioButton, 15, y, 300, 10);
    EXPECT_GT(radio.row, group.row);
    EXPECT_LT(radio.row, group.Bottom() - 1);
    EXPECT_GT(radio.col, group.col);
  }
  // Tall labels and lists take several rows; a list at least its frame, titles and one row.
  EXPECT_EQ(CellsOf(ControlKind::kLabel, 7, 16, 200, 24).height, 3);
  EXPECT_EQ(CellsOf(ControlKind::kListView, 7, 16, 200, 10).height, 4);
}

TEST(FormLayoutTest, TheTestDialogIsLaidOutFromItsTemplate) {
  const DialogModel model = LoadDialogModel(200);
  const FormLayout layout = LayOut(model, TemplateOf(*platform::FindResourceDialog(200)));
  ASSERT_EQ(layout.items.size(), model.controls.size());
  EXPECT_EQ(layout.width, 65);                                                // 260 units
  EXPECT_EQ(layout.height, 25);                                               // 200 units
  EXPECT_EQ(ItemFor(layout, model, 201).rect.row, layout.items[0].rect.row);  // "&Nom :"
  const CellRect group = layout.items[2].rect;
  for (int id : {202, 203, 204, 205}) {
    const CellRect rect = ItemFor(layout, model, id).rect;
    EXPECT_TRUE(group.HasRow(rect.row) && rect.row != group.row && rect.row + 1 < group.Bottom())
        << id;
  }
  EXPECT_EQ(ItemFor(layout, model, 204).rect.row, ItemFor(layout, model, 203).rect.row);
  EXPECT_LT(ItemFor(layout, model, 204).rect.col, ItemFor(layout, model, 205).rect.col);
  EXPECT_GE(ItemFor(layout, model, 209).rect.height, 4);
}

// A made-up dialog: each control added with its place in the template; Add gives its index.
struct MadeUpDialog {
  DialogModel model;
  DialogTemplate dialog;

  int Add(ControlKind kind, int id, const char* text, int x, int y, int w, int h) {
    Control control;
    control.kind = kind;
    control.id = id;
    control.text = text;
    model.controls.push_back(control);
    TemplateControl place;
    place.id = id, place.x = x, place.y = y, place.w = w, place.h = h;
    dialog.controls.push_back(place);
    return static_cast<int>(dialog.controls.size()) - 1;
  }
};

TEST(FormLayoutTest, ALabelRunsOnToTheNextControlOrItsFrameButNoFurther) {
  MadeUpDialog made{{}, {200, 60, {}}};
  const DialogModel& model = made.model;
  const DialogTemplate& dialog = made.dialog;
  const auto add = [&](ControlKind kind, int id, const char* text, int x, int y, int w, int h) {
    made.Add(kind, id, text, x, y, w, h);
  };
  add(ControlKind::kGroupBox, -1, "Cadre", 4, 0, 120, 50);
  add(ControlKind::kLabel, -1, "&Format d'écran :", 8, 12, 40, 8);  // 10 cells wide
  add(ControlKind::kComboBox, 10, "", 80, 10, 40, 60);              // starts at cell 20
  add(ControlKind::kCheckBox, 11, "Une case au texte bien plus long", 8, 30, 30,
      10);  // frame at 30
  add(ControlKind::kLabel, -1, "Hors cadre et bien plus long", 130, 12, 20, 8);
  const FormLayout layout = LayOutAtScale(model, dialog, kScaleUnit);
  EXPECT_EQ(layout.items[1].textWidth, 16);  // "Format d'écran :" fits before the list
  EXPECT_LE(layout.items[1].rect.col + layout.items[1].textWidth, 19);
  EXPECT_EQ(layout.items[3].rect.col + layout.items[3].textWidth, 30);  // up to the border
  EXPECT_EQ(layout.items[4].rect.col + layout.items[4].textWidth, 50);  // the dialog's edge
}

TEST(FormLayoutTest, ColumnsWidenByOneScaleUntilEveryTextIsWhole) {
  MadeUpDialog made{{}, {200, 60, {}}};
  made.model.caption = "Options";
  made.Add(ControlKind::kGroupBox, -1, "Cadre", 4, 0, 120, 50);
  const int label = made.Add(ControlKind::kLabel, -1, "&Format d'écran :", 8, 12, 30, 8);
  const int list = made.Add(ControlKind::kComboBox, 10, "", 48, 10, 40, 60);
  const int check = made.Add(ControlKind::kCheckBox, 11, "Une case un peu longue", 8, 30, 90, 10);
  const int button = made.Add(ControlKind::kButton, 1, "Appliquer", 130, 40, 30, 14);
  // Below the frame's bottom line: a label given two rows gets the one left inside.
  made.Add(ControlKind::kGroupBox, -1, "Bas", 4, 52, 120, 30);
  const int inside = made.Add(ControlKind::kLabel, -1, "Un texte sous le bord", 8, 68, 60, 16);
  made.dialog.height = 90;
  EXPECT_GT(CutTexts(made.model, LayOutAtScale(made.model, made.dialog, kScaleUnit)), 0);

  const FormLayout layout = LayOut(made.model, made.dialog);
  EXPECT_EQ(CutTexts(made.model, layout), 0);
  EXPECT_GT(layout.width, 50);
  EXPECT_LE(layout.width, 100) << "no wider than twice";
  // Run-ons still stop before the next control and the frame's border.
  EXPECT_LT(layout.items[label].rect.col + layout.items[label].textWidth,
            layout.items[list].rect.col);
  EXPECT_LE(layout.items[check].rect.col + layout.items[check].textWidth,
            layout.items[0].rect.Right() - 1);
  EXPECT_GE(layout.items[button].rect.width - 2, 9);
  EXPECT_EQ(layout.items[inside].rect.height, 1);
  // A text no widening can show whole: the least widening that cuts fewest.
  MadeUpDialog hopeless{{}, {40, 20, {}}};
  hopeless.Add(ControlKind::kButton, 1, "Un nom de bouton bien trop long pour lui", 4, 4, 20, 14);
  EXPECT_EQ(LayOut(hopeless.model, hopeless.dialog).width, 10);
}

TEST(FormLayoutTest, ControlsSideBySideShareARowWhateverTheRoundingButNotAcrossAFrame) {
  MadeUpDialog made{{}, {300, 80, {}}};
  const auto add = [&](ControlKind kind, int id, const char* text, int x, int y, int w, int h) {
    return made.Add(kind, id, text, x, y, w, h);
  };
  // The middles of these two fall on both sides of a row boundary (136 units).
  const int radio = add(ControlKind::kRadioButton, 1, "Filtre :", 14, 31, 40, 10);
  const int edit = add(ControlKind::kEdit, 2, "", 56, 29, 198, 13);
  const int button = add(ControlKind::kButton, 3, "", 262, 4, 24, 24);  // beside a taller line
  const int first = add(ControlKind::kRadioButton, 4, "Tous", 14, 4, 240, 10);
  // A control in the next frame over is no neighbour.
  add(ControlKind::kGroupBox, -1, "Cadre", 58, 44, 100, 30);
  const int outside = add(ControlKind::kLabel, -1, "Dehors :", 14, 52, 40, 8);
  const int inside = add(ControlKind::kEdit, 5, "", 62, 49, 60, 13);
  const FormLayout layout = LayOut(made.model, made.dialog);
  EXPECT_EQ(layout.items[edit].rect.row, layout.items[radio].rect.row);
  EXPECT_EQ(layout.items[button].rect.row, layout.items[first].rect.row);
  EXPECT_NE(layout.items[inside].rect.row, layout.items[outside].rect.row);
}

TEST(FormLayoutTest, ALongLabelRunsOnIntoFreeRowsBelowButNotOverAControl) {
  // Three lines of text in a label given two rows (16 units by 80 = 20 cells).
  const char* text =
      "Veuillez entrer tour à tour les CD audio pour lesquels la base doit être lue.";
  MadeUpDialog made{{}, {120, 80, {}}};
  const int free = made.Add(ControlKind::kLabel, -1, text, 4, 0, 80, 16);
  const int blocked = made.Add(ControlKind::kLabel, -1, text, 4, 32, 80, 16);
  made.Add(ControlKind::kButton, 3, "Ejecter", 4, 48, 60, 14);
  const FormLayout layout = LayOutAtScale(made.model, made.dialog, kScaleUnit);
  EXPECT_EQ(layout.items[free].rect.height, 4);
  EXPECT_EQ(layout.items[blocked].rect.height, 2) << "the button's row is not free";
}

TEST(FormLayoutTest, AMultiLineCheckBoxWrapsItsTextBesideItsMark) {
  DialogModel model;
  Control check;
  check.kind = ControlKind::kCheckBox;
  check.id = 1017;
  check.text = "Importer le lien Internet du film dans Orvella";
  check.checked = 1;
  model.controls.push_back(check);
  TemplateControl place{1017, 4, 4, 120, 18};
  place.multiLine = true;
  DialogLogic logic;
  FormController form(model, logic, LayOut(model, DialogTemplate{140, 30, {place}}));
  EXPECT_EQ(form.layout().items[0].rect.height, 2);
  const Canvas dialog = PaintDialog(form, "");
  const int row = form.layout().items[0].rect.row + 1;
  EXPECT_EQ(dialog.RowText(row).rfind("│ [x] Importer le lien Internet ", 0), 0u) << dialog.Text();
  EXPECT_EQ(dialog.RowText(row + 1).rfind("│     du film dans Orvella ", 0), 0u) << dialog.Text();
}

TEST(FormLayoutTest, ScrollingMovesAsLittleAsNeededAndStaysInsideTheContent) {
  EXPECT_EQ(ScrollOrigin(0, 20, 15, 10, 3), 0);    // content fits
  EXPECT_EQ(ScrollOrigin(0, 20, 50, 5, 3), 0);     // already in sight
  EXPECT_EQ(ScrollOrigin(0, 20, 50, 30, 3), 13);   // its end at the view's end
  EXPECT_EQ(ScrollOrigin(13, 20, 50, 4, 3), 4);    // its start at the view's start
  EXPECT_EQ(ScrollOrigin(0, 20, 50, 10, 40), 10);  // longer than the view: its start
  EXPECT_EQ(ScrollOrigin(0, 20, 50, 48, 6), 30);   // never past the content
}

class DialogScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model_ = LoadDialogModel(200);
    model_.SetText(201, "Alien");
    model_.SetItems(206, {"Pal", "Sécam", "Ntsc"});
    model_.Select(206, 1);
    model_.SetChecked(202, 1);
    model_.CheckRadio(204);
    Control* list = model_.Find(209);
    list->columns = {{"Balise", 90}, {"signification", 120}};
    list->rows = {{"<!--title-->", "titre"}, {"<!--year-->", "année"}};
    list->selectedRows = {1};
    model_.Find(208)->hour = 1;
    model_.Find(208)->minute = 30;
  }
  DialogModel model_;
  DialogLogic logic_;
};

TEST_F(DialogScreenTest, EveryControlShowsItsStateWithTheLabelsAndTheirAccents) {
  FormController form(model_, logic_,
                      LayOut(model_, TemplateOf(*platform::FindResourceDialog(200))));
  const Canvas dialog = PaintDialog(form, model_.caption);
  const View view = PlaceDialog(form, dialog, 40, 100, View());
  const Canvas screen = PaintScreen(form, dialog, view, 40, 100);
  const std::string text = screen.Text();
  for (const char* expected :
       {"Essai des contrôles", "Nom :", "[Alien", "┌ Choix ", "[x] Activer l'option", "( ) Premier",
        "(*) Deuxième", "( ) Troisième", "[Sécam", "▼]", "Parcourir", "[01:30:00]", "Balise",
        "signification", "*<!--year-->", "année", "OK", "Annuler"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_EQ(text.find('&'), std::string::npos);
  // Centred, with the hints on the last row; the focus (the edit box) has the caret.
  EXPECT_EQ(view.screenCol, (100 - dialog.cols()) / 2);
  EXPECT_NE(screen.RowText(39).find("Échap annuler"), std::string::npos);
  EXPECT_GE(screen.cursorRow, 0);
  // The mnemonic letter is underlined: "o" of "Activer l'&option".
  const int row = view.screenRow + 1 + form.layout().items[3].rect.row;
  const int col = view.screenCol + 1 + form.layout().items[3].rect.col + 4 + 10;
  EXPECT_EQ(screen.at(row, col).ch, U'o');
  EXPECT_TRUE(screen.at(row, col).attributes & kUnderline);
}

TEST_F(DialogScreenTest, AnOpenDropDownListShowsBelowItsControlOrAboveWhenThereIsNoRoom) {
  FormController form(model_, logic_,
                      LayOut(model_, TemplateOf(*platform::FindResourceDialog(200))));
  for (int i = 0; i < 3; ++i) form.Handle({Key::kTab});
  form.Handle({Key::kOpenList});
  ASSERT_TRUE(form.dropDown().open());
  const Canvas dialog = PaintDialog(form, model_.caption);
  View view = PlaceDialog(form, dialog, 40, 100, View());
  const DropDownBox below = PlaceDropDown(form, view, 40, 100);
  const int comboRow = view.screenRow + 1 + form.layout().items[7].rect.row;
  EXPECT_EQ(below.frame.row, comboRow + 1);
  EXPECT_EQ(below.entries, 3);
  const Canvas screen = PaintScreen(form, dialog, view, 40, 100);
  EXPECT_NE(screen.RowText(comboRow + 3).find("Sécam"), std::string::npos);

  view.screenRow = 40 - 1 - (comboRow - view.screenRow) - 2;  // the list near the bottom
  const DropDownBox above = PlaceDropDown(form, view, 40, 100);
  EXPECT_EQ(above.frame.Bottom(), view.screenRow + 1 + form.layout().items[7].rect.row);
}

TEST(DialogScrollTest, ADialogLargerThanTheTerminalScrollsToTheFocusedControl) {
  // 400 x 400 units (100 x 50 cells) on an 80 x 24 terminal, an edit box in each corner.
  DialogModel model;
  model.caption = "Très grand";
  DialogTemplate dialog{400, 400, {}};
  const int corners[4][2] = {{4, 4}, {300, 4}, {4, 380}, {300, 380}};
  for (int i = 0; i < 4; ++i) {
    Control label, edit;
    label.kind = ControlKind::kLabel;
    label.id = -1;
    label.text = "Coin n°" + std::to_string(i + 1);
    edit.kind = ControlKind::kEdit;
    edit.id = 100 + i;
    model.controls.push_back(label);
    model.controls.push_back(edit);
    TemplateControl l{-1, corners[i][0], corners[i][1], 40, 8};
    TemplateControl e{100 + i, corners[i][0] + 44, corners[i][1], 40, 12};
    e.tabStop = true;
    dialog.controls.push_back(l);
    dialog.controls.push_back(e);
  }
  DialogLogic logic;
  FormController form(model, logic, LayOut(model, dialog));
  View view;
  std::vector<View> seen;
  for (int i = 0; i < 4; ++i) {
    const Canvas drawn = PaintDialog(form, model.caption);
    view = PlaceDialog(form, drawn, 24, 80, view);
    EXPECT_EQ(view.rows, 23);
    EXPECT_EQ(view.cols, 80);
    const Canvas screen = PaintScreen(form, drawn, view, 24, 80);
    // The focused edit box and its label are in sight, the caret on the field.
    ASSERT_GE(screen.cursorRow, 0);
    const std::string line = screen.RowText(screen.cursorRow);
    EXPECT_NE(line.find("Coin n°" + std::to_string(i + 1) + "   ["), std::string::npos)
        << screen.Text();
    int row = 0, col = 0;
    ASSERT_TRUE(ScreenToClient(view, screen.cursorRow, screen.cursorCol, row, col));
    EXPECT_TRUE(form.layout().items[form.focus()].rect.Contains(row, col));
    seen.push_back(view);
    form.Handle({Key::kTab});
  }
  // The view moves only along the way it must: right, then down and back left, then right.
  EXPECT_EQ(seen[0].originRow, 0);
  EXPECT_EQ(seen[0].originCol, 0);
  EXPECT_EQ(seen[1].originRow, 0);
  EXPECT_GT(seen[1].originCol, 0);
  EXPECT_GT(seen[2].originRow, 0);
  EXPECT_EQ(seen[2].originCol, 0);  // the dialog's own left edge comes back into sight
  EXPECT_EQ(seen[3].originRow, seen[2].originRow);
  EXPECT_EQ(seen[3].originCol, seen[1].originCol);
  // Marks show where the dialog goes on: at the last corner, above and to the right.
  const Canvas last = PaintScreen(form, PaintDialog(form, model.caption), view, 24, 80);
  EXPECT_EQ(last.at(0, 79).ch, U'▲');
  EXPECT_EQ(last.at(11, 79).ch, U'▶');
}

TEST(FormTextTest, LabelsBecomeCellsWithTheirMnemonicAndWrapBetweenWords) {
  const CellText label = ToCells("Films && s&éries", true);
  EXPECT_EQ(label.Width(), 14);
  ASSERT_EQ(label.mnemonic, 9);
  EXPECT_EQ(label.glyphs[9].ch, U'é');
  EXPECT_EQ(MnemonicOf("Su&pport :"), U'p');
  EXPECT_EQ(MnemonicOf("&Écran"), U'é');
  EXPECT_EQ(MnemonicOf("Sans lettre &"), 0u);

  const auto lines = [](std::string_view text, int width) {
    std::vector<std::string> out;
    for (const CellText& line : Wrap(ToCells(text), width)) {
      std::u32string points;
      for (const Glyph& g : line.glyphs) points.push_back(g.ch);
      out.push_back(FromCodePoints(points));
    }
    return out;
  };
  EXPECT_EQ(lines("Le fichier modèle doit exister", 12),
            (std::vector<std::string>{"Le fichier", "modèle doit", "exister"}));
  EXPECT_EQ(lines("un\r\ndeux\n\ntrois", 20),
            (std::vector<std::string>{"un", "deux", "", "trois"}));
  EXPECT_EQ(lines("anticonstitutionnellement", 10),
            (std::vector<std::string>{"anticonsti", "tutionnell", "ement"}));
  // Bytes that are not UTF-8 are windows-1252, as everywhere else.
  EXPECT_EQ(ToCells("caf\xE9").glyphs.back().ch, U'é');
}

TEST(FormCanvasTest, WideGlyphsTakeTwoCellsAndAreNeverShownByHalves) {
  Canvas canvas(2, 6);
  canvas.PutText(0, 0, ToCells("日本語"), 5);  // the third does not fit
  EXPECT_EQ(canvas.RowText(0), "日本");
  canvas.Put(0, 1, 'x');  // over the right half of the first glyph
  EXPECT_EQ(canvas.RowText(0), " x本");
  canvas.Put(1, 5, U'日');  // at the edge
  EXPECT_EQ(canvas.RowText(1), "");
}

}  // namespace
}  // namespace orv::ui::form
