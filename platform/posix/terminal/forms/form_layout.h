// Where the controls of a dialog go on a character terminal.
//
// A dialog template places controls in dialog units; a character cell is 4 horizontal and 8
// vertical units (the dialog base units), so a control's cells follow from its rectangle.
// Controls one line high sit on the cell row of their middle; a group box's top line is where its
// title is drawn. Terminal glyphs are wider than the template's font, so a label may run on
// into the free cells to its right, up to the next control or the frame around it.
#ifndef ORV_PLATFORM_POSIX_FORM_LAYOUT_H
#define ORV_PLATFORM_POSIX_FORM_LAYOUT_H

#include <vector>

#include "platform/ui.h"

namespace orv::platform {
struct ResourceDialog;
}

namespace orv::ui::form {

struct CellRect {
  int row = 0, col = 0, height = 1, width = 1;

  int Bottom() const { return row + height; }  // one past the last row
  int Right() const { return col + width; }    // one past the last column
  bool Contains(int r, int c) const { return r >= row && r < Bottom() && c >= col && c < Right(); }
  bool HasRow(int r) const { return r >= row && r < Bottom(); }
};

enum class Align { kLeft, kCenter, kRight };

// What the template says of a control beyond the dialog model.
struct TemplateControl {
  int id = 0;
  int x = 0, y = 0, w = 0, h = 0;  // dialog units
  bool tabStop = false;
  bool defaultButton = false;  // BS_DEFPUSHBUTTON
  bool multiSelect = false;    // a list view without LVS_SINGLESEL
  bool digitsOnly = false;     // ES_NUMBER
  bool readOnly = false;       // ES_READONLY
  bool password = false;       // ES_PASSWORD
  bool picture = false;        // an icon or bitmap: nothing a terminal can show
  bool multiLine = false;      // BS_MULTILINE: a check box or radio button's text may wrap
  bool iconButton = false;     // BS_ICON: a push button showing an icon, its name cut to fit
  Align align = Align::kLeft;
};

struct DialogTemplate {
  int width = 0, height = 0;  // dialog units
  std::vector<TemplateControl> controls;
};

DialogTemplate TemplateOf(const platform::ResourceDialog& dialog);

// The cells of a control of that kind at that rectangle (dialog units), inside the client area.
CellRect CellsOf(ControlKind kind, int x, int y, int w, int h);

struct FormItem {
  int control = 0;  // index in DialogModel::controls
  CellRect rect;
  int textWidth = 0;  // cells the control's text may take, from rect.col
  TemplateControl info;
};

struct FormLayout {
  int width = 0, height = 0;    // the client area, in cells
  std::vector<FormItem> items;  // in template order
};

// Model controls are matched to template controls in template order (the model is made from
// the template), by id where the two part; a control the template lacks is not laid out.
//
// Terminal glyphs are wider than the template's font, so a French text may need more cells than
// its place gives at four dialog units a cell: the dialog's columns are then widened, by one
// scale for the whole dialog (rows are kept), to the least scale up to twice that shows every
// text whole. A multi-line label keeps inside the frame around it.
FormLayout LayOut(const DialogModel& model, const DialogTemplate& dialogTemplate);

// Horizontal scales in sixteenths: kScaleUnit is one cell per four dialog units.
constexpr int kScaleUnit = 16;
// The layout with the dialog's columns widened by scale / kScaleUnit, as LayOut makes it.
FormLayout LayOutAtScale(const DialogModel& model, const DialogTemplate& dialogTemplate, int scale);

// The texts `layout` cannot show whole: the caption, labels, check boxes and radio buttons,
// button names and group box titles.
int CutTexts(const DialogModel& model, const FormLayout& layout);

// The first row or column to show of `content` cells in a view of `view` cells, moved from
// `origin` as little as needed to show [start, start + length) (its start when it is longer than
// the view), and kept inside the content.
int ScrollOrigin(int origin, int view, int content, int start, int length);

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_FORM_LAYOUT_H
