// Texts as the cells of a character terminal: code points with the cells they take, the "&"
// mnemonic of a label, and word wrapping.
//
// These are functions of the text alone (no process locale, no terminal), so the layout and the
// drawing of full-screen dialogs test on their own. Input is the user's code page (UTF-8 on
// Linux; bytes that are not valid UTF-8 are read as windows-1252, as everywhere else).
#ifndef ORV_PLATFORM_POSIX_FORM_TEXT_H
#define ORV_PLATFORM_POSIX_FORM_TEXT_H

#include <string>
#include <string_view>
#include <vector>

namespace orv::ui::form {

struct Glyph {
  char32_t ch = ' ';
  int width = 1;  // 0 for combining marks, 2 for East Asian wide characters
};

struct CellText {
  std::vector<Glyph> glyphs;
  int mnemonic = -1;  // index of the glyph an "&" marks, -1 when none

  int Width() const;
};

// Cells a code point takes on a terminal.
int GlyphWidth(char32_t ch);
// Lower case for the letters people type as mnemonics (ASCII, Latin-1, Latin Extended-A).
char32_t FoldCase(char32_t ch);

// The code points of a text, and back.
std::u32string CodePoints(std::string_view text);
std::string FromCodePoints(std::u32string_view points);

// With `mnemonics`, "&x" marks x and "&&" stands for one "&". Tabs become blanks, line breaks
// (LF, CR LF, CR) stay as one LF for Wrap, other control characters are dropped.
CellText ToCells(std::string_view text, bool mnemonics = false);
CellText ToCells(std::u32string_view points);
// The folded mnemonic letter of a label, 0 when it has none.
char32_t MnemonicOf(std::string_view label);

// Lines of at most `width` cells, broken at line feeds and between words; a word longer than a
// line is cut. The mnemonic mark follows its glyph. An empty text gives one empty line.
std::vector<CellText> Wrap(const CellText& text, int width);

// The glyphs that fill `width` cells from cell `start` (a double-width glyph cut by either end
// is left out).
CellText Slice(const CellText& text, int start, int width);

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_FORM_TEXT_H
