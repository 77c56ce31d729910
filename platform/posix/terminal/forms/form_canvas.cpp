#include "platform/posix/terminal/forms/form_canvas.h"

#include <algorithm>

namespace orv::ui::form {

Canvas::Canvas(int rows, int cols)
    : rows_(std::max(rows, 0)), cols_(std::max(cols, 0)), cells_(rows_ * cols_) {}

bool Canvas::Inside(int row, int col) const {
  return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

void Canvas::Put(int row, int col, char32_t ch, uint8_t attributes) {
  if (!Inside(row, col)) return;
  int width = GlyphWidth(ch) == 2 ? 2 : 1;
  // Half a double-width glyph cannot be shown: a blank takes its place.
  if (width == 2 && !Inside(row, col + 1)) ch = ' ', width = 1;
  Cell* line = &cells_[row * cols_];
  if (line[col].ch == 0 && col > 0) line[col - 1].ch = ' ';
  const int last = col + width - 1;
  if (last + 1 < cols_ && line[last + 1].ch == 0) line[last + 1].ch = ' ';
  line[col] = {ch, attributes};
  if (last > col) line[last] = {0, attributes};
}

int Canvas::PutText(int row, int col, const CellText& text, int width, uint8_t attributes,
                    bool mnemonic) {
  int used = 0;
  for (size_t i = 0; i < text.glyphs.size(); ++i) {
    const Glyph& glyph = text.glyphs[i];
    if (glyph.width == 0) continue;  // marks and breaks have no cell of their own
    if (used + glyph.width > width) break;
    const bool marked = mnemonic && static_cast<int>(i) == text.mnemonic;
    Put(row, col + used, glyph.ch, marked ? attributes | kUnderline : attributes);
    used += glyph.width;
  }
  return used;
}

void Canvas::Fill(int row, int col, int height, int width, char32_t ch, uint8_t attributes) {
  for (int r = row; r < row + height; ++r) {
    for (int c = col; c < col + width; ++c) Put(r, c, ch, attributes);
  }
}

void Canvas::AddAttributes(int row, int col, int height, int width, uint8_t attributes) {
  for (int r = std::max(row, 0); r < std::min(row + height, rows_); ++r) {
    for (int c = std::max(col, 0); c < std::min(col + width, cols_); ++c) {
      cells_[r * cols_ + c].attributes |= attributes;
    }
  }
}

void Canvas::Frame(int row, int col, int height, int width, uint8_t attributes) {
  if (height < 2 || width < 2) return;
  const int bottom = row + height - 1, right = col + width - 1;
  for (int c = col + 1; c < right; ++c) {
    Put(row, c, U'─', attributes);
    Put(bottom, c, U'─', attributes);
  }
  for (int r = row + 1; r < bottom; ++r) {
    Put(r, col, U'│', attributes);
    Put(r, right, U'│', attributes);
  }
  Put(row, col, U'┌', attributes);
  Put(row, right, U'┐', attributes);
  Put(bottom, col, U'└', attributes);
  Put(bottom, right, U'┘', attributes);
}

void Canvas::Copy(const Canvas& from, int fromRow, int fromCol, int row, int col, int height,
                  int width) {
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      if (!from.Inside(fromRow + r, fromCol + c) || !Inside(row + r, col + c)) continue;
      const Cell& cell = from.at(fromRow + r, fromCol + c);
      // A glyph whose left half stays outside the copy is cut: a blank instead.
      if (cell.ch == 0 && c == 0) {
        Put(row + r, col + c, ' ', cell.attributes);
      } else if (cell.ch != 0) {
        Put(row + r, col + c, cell.ch, cell.attributes);
      }
    }
  }
}

std::string Canvas::RowText(int row) const {
  std::u32string points;
  if (row >= 0 && row < rows_) {
    for (int c = 0; c < cols_; ++c) {
      const char32_t ch = cells_[row * cols_ + c].ch;
      if (ch != 0) points.push_back(ch);
    }
  }
  while (!points.empty() && points.back() == ' ') points.pop_back();
  return FromCodePoints(points);
}

std::string Canvas::Text() const {
  std::string text;
  for (int r = 0; r < rows_; ++r) text += RowText(r) + "\n";
  return text;
}

}  // namespace orv::ui::form
