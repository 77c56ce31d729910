#include "platform/posix/terminal/forms/form_layout.h"

#include <algorithm>
#include <utility>

#include "platform/posix/terminal/forms/form_text.h"
#include "platform/posix/resource_table.h"

namespace orv::ui::form {
namespace {

constexpr int kUnitsPerColumn = 4;
constexpr int kUnitsPerRow = 8;
// A closed drop-down list is one line high; the template's height is that of its open list.
constexpr int kClosedComboHeight = 12;
// Below this height (two text lines) a control is one line high.
constexpr int kTwoLines = 2 * kUnitsPerRow;
// Side by side controls are at most this many cells apart.
constexpr int kNeighbourGap = 2;

int RoundDiv(int value, int unit) { return (std::max(value, 0) + unit / 2) / unit; }

bool IsSingleLine(ControlKind kind, int h) {
  switch (kind) {
    case ControlKind::kGroupBox:
    case ControlKind::kListView:
      return false;
    case ControlKind::kLabel:
    case ControlKind::kEdit:
      return h < kTwoLines;
    default:
      return true;
  }
}

// Labels, check boxes and radio buttons may run on to the right.
bool TextOverflows(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kCheckBox ||
         kind == ControlKind::kRadioButton;
}

// The cells the text of `item` would like, marks of check boxes and radio buttons included.
int WantedWidth(const Control& control) {
  const int text = ToCells(control.text, true).Width();
  return control.kind == ControlKind::kLabel ? text : text + 4;
}

// The first column at or after which `item` may not write on its row: the next control to its
// right, the right border of a frame around it, or the edge of the dialog.
int FreeLimit(const DialogModel& model, const FormLayout& layout, const FormItem& item) {
  int limit = layout.width;
  const int row = item.rect.row;
  for (const FormItem& other : layout.items) {
    if (&other == &item || !other.rect.HasRow(row)) continue;
    const ControlKind kind = model.controls[other.control].kind;
    if (other.rect.col > item.rect.col) {
      limit = std::min(limit, other.rect.col - 1);  // keep one blank before it
    } else if ((kind == ControlKind::kGroupBox || kind == ControlKind::kListView) &&
               other.rect.Right() > item.rect.col) {
      limit = std::min(limit, other.rect.Right() - 1);  // its right border
    }
  }
  return limit;
}

// The template's top and bottom of a control one line high (a closed drop-down list's own).
std::pair<int, int> LineExtent(ControlKind kind, const TemplateControl& place) {
  const int height =
      kind == ControlKind::kComboBox ? std::min(place.h, kClosedComboHeight) : place.h;
  return {place.y, place.y + height};
}

// Whether `row` of `other` is taken in the columns [col, right): a frame only on its lines.
bool Takes(ControlKind kind, const CellRect& other, int row, int col, int right) {
  if (!other.HasRow(row) || other.Right() <= col || other.col >= right) return false;
  if (kind != ControlKind::kGroupBox) return true;
  return row == other.row || row == other.Bottom() - 1;
}

// Controls side by side on one line of the template (a label and its field, a field and the
// button beside it) share a row, even where their middles fall on two sides of a row boundary:
// each one-line control takes the row of a one-line control just before it on its left (no more
// than kNeighbourGap cells away, no frame between them) whose line overlaps its own by half at
// least, when nothing else lies there.
void AlignSideBySide(const DialogModel& model, FormLayout& layout) {
  std::vector<FormItem*> byColumn;
  for (FormItem& item : layout.items) {
    if (item.rect.height == 1) byColumn.push_back(&item);
  }
  std::stable_sort(byColumn.begin(), byColumn.end(),
                   [](const FormItem* a, const FormItem* b) { return a->rect.col < b->rect.col; });
  const auto kindOf = [&](const FormItem& item) { return model.controls[item.control].kind; };
  for (FormItem* item : byColumn) {
    const auto [top, bottom] = LineExtent(kindOf(*item), item->info);
    const FormItem* left = nullptr;
    for (const FormItem* other : byColumn) {
      if (other == item || other->rect.Right() > item->rect.col ||
          item->rect.col - other->rect.Right() > kNeighbourGap) {
        continue;
      }
      const auto [otherTop, otherBottom] = LineExtent(kindOf(*other), other->info);
      const int overlap = std::min(bottom, otherBottom) - std::max(top, otherTop);
      if (overlap * 2 < std::min(bottom - top, otherBottom - otherTop)) continue;
      if (!left || other->rect.col > left->rect.col) left = other;
    }
    if (!left || left->rect.row == item->rect.row) continue;
    const int row = left->rect.row;
    bool free = true;
    for (const FormItem& other : layout.items) {
      if (&other == item || &other == left) continue;
      const CellRect& r = other.rect;
      // A frame's side between the two keeps them apart.
      const bool between =
          kindOf(other) == ControlKind::kGroupBox && r.HasRow(row) &&
          ((r.col >= left->rect.Right() && r.col < item->rect.col) ||
           (r.Right() - 1 >= left->rect.Right() && r.Right() - 1 < item->rect.col));
      if (between || Takes(kindOf(other), r, row, item->rect.col, item->rect.Right())) {
        free = false;
      }
    }
    if (free) item->rect.row = row;
  }
}

// A label of several lines whose text wraps to more lines than the template gives it (terminal
// glyphs are wider than the template's font) runs on into the free rows below it, up to the next
// control, a frame's line or the dialog's edge.
void LengthenLabels(const DialogModel& model, FormLayout& layout) {
  for (FormItem& item : layout.items) {
    const Control& control = model.controls[item.control];
    if (control.kind != ControlKind::kLabel || item.rect.height < 2 || item.info.picture) continue;
    const int lines = static_cast<int>(Wrap(ToCells(control.text, true), item.rect.width).size());
    while (item.rect.height < lines && item.rect.Bottom() < layout.height) {
      const int row = item.rect.Bottom();
      bool free = true;
      for (const FormItem& other : layout.items) {
        if (&other != &item && Takes(model.controls[other.control].kind, other.rect, row,
                                     item.rect.col, item.rect.Right())) {
          free = false;
        }
      }
      if (!free) break;
      ++item.rect.height;
    }
  }
}

}  // namespace

DialogTemplate TemplateOf(const platform::ResourceDialog& dialog) {
  DialogTemplate result;
  result.width = dialog.w;
  result.height = dialog.h;
  for (size_t i = 0; i < dialog.controlCount; ++i) {
    const platform::ResourceControl& row = dialog.controls[i];
    const auto has = [&](const char* style) { return platform::HasStyle(row.styles, style); };
    TemplateControl control;
    control.id = row.id;
    control.x = row.x, control.y = row.y, control.w = row.w, control.h = row.h;
    control.tabStop = row.tabStop;
    control.defaultButton =
        row.kind == static_cast<int>(ControlKind::kButton) && has("BS_DEFPUSHBUTTON");
    control.multiSelect =
        row.kind == static_cast<int>(ControlKind::kListView) && !has("LVS_SINGLESEL");
    control.digitsOnly = has("ES_NUMBER");
    control.readOnly = has("ES_READONLY");
    control.password = has("ES_PASSWORD");
    control.picture = has("SS_ICON") || has("SS_BITMAP");
    control.multiLine = has("BS_MULTILINE");
    control.iconButton = has("BS_ICON");
    if (row.kind == static_cast<int>(ControlKind::kLabel)) {
      control.align = has("SS_CENTER")  ? Align::kCenter
                      : has("SS_RIGHT") ? Align::kRight
                                        : Align::kLeft;
    }
    result.controls.push_back(control);
  }
  return result;
}

CellRect CellsOf(ControlKind kind, int x, int y, int w, int h) {
  CellRect rect;
  // A control's text starts at its left edge: rounding down keeps it clear of a control before.
  rect.col = std::max(x, 0) / kUnitsPerColumn;
  rect.width = std::max(1, RoundDiv(x + w, kUnitsPerColumn) - rect.col);
  if (kind == ControlKind::kGroupBox) {
    // The frame's top line runs through the middle of its title.
    rect.row = std::max(y + kUnitsPerRow / 2, 0) / kUnitsPerRow;
    const int bottom = std::max(y + h - 1, 0) / kUnitsPerRow;
    rect.height = std::max(2, bottom - rect.row + 1);
  } else if (IsSingleLine(kind, h)) {
    const int height = kind == ControlKind::kComboBox ? std::min(h, kClosedComboHeight) : h;
    rect.row = std::max(y + height / 2, 0) / kUnitsPerRow;
    rect.height = 1;
  } else {
    rect.row = RoundDiv(y, kUnitsPerRow);
    const int minimum = kind == ControlKind::kListView ? 4 : 2;  // frame, titles and one row
    rect.height = std::max(minimum, RoundDiv(y + h, kUnitsPerRow) - rect.row);
  }
  return rect;
}

namespace {

constexpr int kMaxScale = 2 * kScaleUnit;

int Scaled(int units, int scale) { return units * scale / kScaleUnit; }

// A multi-line label inside a group box keeps off the box's bottom line: its last rows would
// be drawn over the frame.
void KeepLabelsInsideFrames(const DialogModel& model, FormLayout& layout) {
  for (FormItem& item : layout.items) {
    if (model.controls[item.control].kind != ControlKind::kLabel || item.rect.height < 2) continue;
    for (const FormItem& frame : layout.items) {
      const CellRect& f = frame.rect;
      if (model.controls[frame.control].kind != ControlKind::kGroupBox) continue;
      const int inside = f.Bottom() - 1;  // the frame's bottom line
      if (item.rect.row > f.row && item.rect.row < inside && item.rect.col > f.col &&
          item.rect.col < f.Right() - 1 && item.rect.Bottom() > inside) {
        item.rect.height = std::max(1, inside - item.rect.row);
      }
    }
  }
}

}  // namespace

FormLayout LayOutAtScale(const DialogModel& model, const DialogTemplate& dialogTemplate,
                         int scale) {
  FormLayout layout;
  layout.width = RoundDiv(Scaled(dialogTemplate.width, scale), kUnitsPerColumn);
  layout.height = RoundDiv(dialogTemplate.height, kUnitsPerRow);
  const std::vector<TemplateControl>& row = dialogTemplate.controls;
  std::vector<bool> used(row.size(), false);
  for (size_t i = 0; i < model.controls.size(); ++i) {
    const Control& control = model.controls[i];
    size_t match = row.size();
    if (i < row.size() && !used[i] && row[i].id == control.id) {
      match = i;
    } else {
      for (size_t k = 0; k < row.size(); ++k) {
        if (!used[k] && row[k].id == control.id) {
          match = k;
          break;
        }
      }
    }
    if (match == row.size()) continue;
    used[match] = true;
    FormItem item;
    item.control = static_cast<int>(i);
    item.info = row[match];
    const int left = Scaled(item.info.x, scale);
    const int right = Scaled(item.info.x + item.info.w, scale);
    item.rect = CellsOf(control.kind, left, item.info.y, right - left, item.info.h);
    const bool choice =
        control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kRadioButton;
    if (choice && item.info.multiLine && item.info.h >= kTwoLines) {
      // Its text wraps over the lines it is given, as a label's does.
      item.rect.row = RoundDiv(item.info.y, kUnitsPerRow);
      item.rect.height =
          std::max(2, RoundDiv(item.info.y + item.info.h, kUnitsPerRow) - item.rect.row);
    }
    item.textWidth = item.rect.width;
    layout.width = std::max(layout.width, item.rect.Right());
    layout.height = std::max(layout.height, item.rect.Bottom());
    layout.items.push_back(item);
  }
  AlignSideBySide(model, layout);
  KeepLabelsInsideFrames(model, layout);
  LengthenLabels(model, layout);
  for (FormItem& item : layout.items) {
    const Control& control = model.controls[item.control];
    if (!TextOverflows(control.kind) || item.rect.height != 1 || item.info.align != Align::kLeft) {
      continue;
    }
    const int wanted = WantedWidth(control);
    if (wanted <= item.rect.width) continue;
    item.textWidth =
        std::max(item.rect.width, std::min(wanted, FreeLimit(model, layout, item) - item.rect.col));
  }
  return layout;
}

namespace {

// The widest word of a text, in cells.
int LongestWord(const CellText& text) {
  int longest = 0, word = 0;
  for (const Glyph& glyph : text.glyphs) {
    word = glyph.ch == ' ' || glyph.ch == '\n' ? 0 : word + glyph.width;
    longest = std::max(longest, word);
  }
  return longest;
}

// Whether a text wrapped in `width` cells shows whole in `lines` lines.
bool WrapsWhole(const CellText& text, int width, int lines) {
  return LongestWord(text) <= width && static_cast<int>(Wrap(text, width).size()) <= lines;
}

}  // namespace

int CutTexts(const DialogModel& model, const FormLayout& layout) {
  int cut = 0;
  // The caption sits on the top line with a blank on each side, two cells from each corner.
  if (ToCells(model.caption).Width() + 2 > layout.width - 2) ++cut;
  for (const FormItem& item : layout.items) {
    const Control& control = model.controls[item.control];
    const CellText text = ToCells(control.text, true);
    if (text.glyphs.empty() || item.info.picture) continue;
    bool whole = true;
    switch (control.kind) {
      case ControlKind::kLabel:
        if (item.rect.height > 1) {
          whole = WrapsWhole(text, item.rect.width, item.rect.height);
        } else {
          const int room = item.info.align == Align::kLeft ? item.textWidth : item.rect.width;
          whole = text.Width() <= room;
        }
        break;
      case ControlKind::kCheckBox:
      case ControlKind::kRadioButton:
        whole = item.rect.height > 1 ? WrapsWhole(text, item.rect.width - 4, item.rect.height)
                                     : text.Width() + 4 <= item.textWidth;
        break;
      case ControlKind::kButton:
        whole = control.icon != 0 || item.info.iconButton || text.Width() <= item.rect.width - 2;
        break;
      case ControlKind::kGroupBox:
        whole = text.Width() + 2 <= item.rect.width - 2;
        break;
      default:
        break;
    }
    if (!whole) ++cut;
  }
  return cut;
}

FormLayout LayOut(const DialogModel& model, const DialogTemplate& dialogTemplate) {
  // The least widening that shows every text whole, else the one that cuts fewest.
  FormLayout best;
  int bestCut = -1;
  for (int scale = kScaleUnit; scale <= kMaxScale; ++scale) {
    FormLayout layout = LayOutAtScale(model, dialogTemplate, scale);
    const int cut = CutTexts(model, layout);
    if (bestCut < 0 || cut < bestCut) {
      best = std::move(layout);
      bestCut = cut;
    }
    if (cut == 0) break;
  }
  return best;
}

int ScrollOrigin(int origin, int view, int content, int start, int length) {
  if (view <= 0 || content <= view) return 0;
  if (length > view) length = view;  // show its start
  if (start < origin) origin = start;
  if (start + length > origin + view) origin = start + length - view;
  return std::clamp(origin, 0, content - view);
}

}  // namespace orv::ui::form
