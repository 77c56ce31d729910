// A grid of character cells with their attributes: full-screen dialogs are drawn here, then the
// grid is copied to the terminal. Drawing thus needs no terminal, and tests read what a person
// would see as plain text.
#ifndef ORV_PLATFORM_POSIX_FORM_CANVAS_H
#define ORV_PLATFORM_POSIX_FORM_CANVAS_H

#include <cstdint>
#include <string>
#include <vector>

#include "platform/posix/terminal/forms/form_text.h"

namespace orv::ui::form {

enum Attribute : uint8_t {
  kPlain = 0,
  kReverse = 1,
  kBold = 2,
  kUnderline = 4,
  kDim = 8,
};

struct Cell {
  char32_t ch = ' ';  // 0: the right half of the double-width glyph before it
  uint8_t attributes = kPlain;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(int rows, int cols);

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  const Cell& at(int row, int col) const { return cells_[row * cols_ + col]; }
  bool Inside(int row, int col) const;

  // Everything below clips to the canvas.
  void Put(int row, int col, char32_t ch, uint8_t attributes = kPlain);
  // At most `width` cells of the text from `col`; returns the cells written. With `mnemonic`,
  // the marked glyph is underlined.
  int PutText(int row, int col, const CellText& text, int width, uint8_t attributes = kPlain,
              bool mnemonic = false);
  void Fill(int row, int col, int height, int width, char32_t ch, uint8_t attributes = kPlain);
  void AddAttributes(int row, int col, int height, int width, uint8_t attributes);
  // A box of line-drawing characters around the block.
  void Frame(int row, int col, int height, int width, uint8_t attributes = kPlain);
  // Copies a block of `from` (starting at fromRow, fromCol) to (row, col) here.
  void Copy(const Canvas& from, int fromRow, int fromCol, int row, int col, int height, int width);

  // A row as UTF-8, trailing blanks removed; Text() gives every row, each ended by "\n".
  std::string RowText(int row) const;
  std::string Text() const;

  // Where the terminal's cursor goes (a caret in an edit box); none when row < 0.
  int cursorRow = -1, cursorCol = -1;

 private:
  int rows_ = 0, cols_ = 0;
  std::vector<Cell> cells_;
};

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_FORM_CANVAS_H
