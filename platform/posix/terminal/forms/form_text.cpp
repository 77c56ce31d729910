#include "platform/posix/terminal/forms/form_text.h"

#include <algorithm>

#include "text/codepage.h"

namespace orv::ui::form {
namespace {

struct Range {
  char32_t first, last;
};

// Enough of the Unicode tables for the texts dialogs show: marks that sit on the glyph before
// them, and the wide blocks of East Asian scripts and emoji.
constexpr Range kZeroWidth[] = {{0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD},
                                {0x0610, 0x061A}, {0x064B, 0x065F}, {0x1AB0, 0x1AFF},
                                {0x1DC0, 0x1DFF}, {0x200B, 0x200F}, {0x20D0, 0x20FF},
                                {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}};
constexpr Range kWide[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},  {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F},  {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};

template <size_t N>
bool InRanges(const Range (&ranges)[N], char32_t ch) {
  for (const Range& range : ranges) {
    if (ch >= range.first && ch <= range.last) return true;
  }
  return false;
}

bool IsBlank(char32_t ch) { return ch == ' '; }

}  // namespace

int CellText::Width() const {
  int width = 0;
  for (const Glyph& glyph : glyphs) width += glyph.width;
  return width;
}

int GlyphWidth(char32_t ch) {
  if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) return 0;
  if (InRanges(kZeroWidth, ch)) return 0;
  return InRanges(kWide, ch) ? 2 : 1;
}

char32_t FoldCase(char32_t ch) {
  if (ch >= 'A' && ch <= 'Z') return ch + 0x20;
  if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return ch + 0x20;
  // Latin Extended-A pairs its capitals and small letters (even, odd), with a shift at 0x139.
  if (ch >= 0x100 && ch <= 0x137 && ch % 2 == 0) return ch + 1;
  if (ch >= 0x139 && ch <= 0x148 && ch % 2 == 1) return ch + 1;
  if (ch >= 0x14A && ch <= 0x177 && ch % 2 == 0) return ch + 1;
  if (ch == 0x178) return 0xFF;
  if ((ch == 0x179 || ch == 0x17B || ch == 0x17D)) return ch + 1;
  return ch;
}

std::u32string CodePoints(std::string_view text) {
  const std::string utf8 = text::UserToUtf8(text);
  std::u32string points;
  points.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    uint32_t cp = 0;
    const size_t length = text::DecodeUtf8(utf8, pos, cp);
    if (length == 0) {  // cannot happen after UserToUtf8; never loop on it anyway
      points.push_back(0xFFFD);
      ++pos;
      continue;
    }
    points.push_back(cp);
    pos += length;
  }
  return points;
}

std::string FromCodePoints(std::u32string_view points) {
  std::string utf8;
  for (char32_t cp : points) text::AppendUtf8(utf8, cp);
  return text::Utf8ToUser(utf8);
}

CellText ToCells(std::u32string_view points) {
  CellText cells;
  cells.glyphs.reserve(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    char32_t ch = points[i];
    if (ch == '\r') {
      // CR LF is one break; a lone CR breaks too.
      if (i + 1 < points.size() && points[i + 1] == '\n') continue;
      ch = '\n';
    }
    if (ch == '\t') ch = ' ';
    if (ch != '\n' && GlyphWidth(ch) == 0 && (ch < 0x300 || ch == 0x7F)) continue;  // controls
    cells.glyphs.push_back({ch, ch == '\n' ? 0 : GlyphWidth(ch)});
  }
  return cells;
}

CellText ToCells(std::string_view text, bool mnemonics) {
  const std::u32string points = CodePoints(text);
  if (!mnemonics) return ToCells(points);
  std::u32string plain;
  int mark = -1;
  for (size_t i = 0; i < points.size(); ++i) {
    if (points[i] != '&') {
      plain.push_back(points[i]);
    } else if (i + 1 < points.size()) {
      // "&&" is a literal "&"; "&x" marks x, the first mark counting.
      if (points[i + 1] != '&' && mark < 0) mark = static_cast<int>(plain.size());
      plain.push_back(points[++i]);
    }
  }
  CellText cells = ToCells(plain);
  // ToCells may drop control characters: find the marked glyph by counting what it kept.
  if (mark >= 0) {
    const CellText before = ToCells(std::u32string_view(plain).substr(0, mark));
    const size_t at = before.glyphs.size();
    if (at < cells.glyphs.size() && cells.glyphs[at].ch != ' ' && cells.glyphs[at].ch != '\n') {
      cells.mnemonic = static_cast<int>(at);
    }
  }
  return cells;
}

char32_t MnemonicOf(std::string_view label) {
  const CellText cells = ToCells(label, true);
  return cells.mnemonic < 0 ? 0 : FoldCase(cells.glyphs[cells.mnemonic].ch);
}

std::vector<CellText> Wrap(const CellText& text, int width) {
  width = std::max(width, 1);
  std::vector<CellText> lines(1);
  const std::vector<Glyph>& g = text.glyphs;
  // Walk word by word: a word is a run of non-blank glyphs.
  size_t i = 0;
  const auto place = [&](size_t from, size_t to) {  // glyphs [from, to) onto the current line
    for (size_t k = from; k < to; ++k) {
      CellText& line = lines.back();
      if (line.Width() + g[k].width > width && !line.glyphs.empty()) lines.emplace_back();
      CellText& target = lines.back();
      if (static_cast<int>(k) == text.mnemonic) target.mnemonic = target.glyphs.size();
      target.glyphs.push_back(g[k]);
    }
  };
  while (i < g.size()) {
    if (g[i].ch == '\n') {
      lines.emplace_back();
      ++i;
      continue;
    }
    if (IsBlank(g[i].ch)) {
      // A blank that would end a line is dropped instead of starting the next one.
      CellText& line = lines.back();
      if (line.Width() + 1 <= width) {
        if (static_cast<int>(i) == text.mnemonic) line.mnemonic = line.glyphs.size();
        line.glyphs.push_back(g[i]);
      } else {
        lines.emplace_back();
      }
      ++i;
      continue;
    }
    size_t end = i;
    int wordWidth = 0;
    while (end < g.size() && g[end].ch != '\n' && !IsBlank(g[end].ch)) wordWidth += g[end++].width;
    CellText& line = lines.back();
    if (line.Width() + wordWidth > width && wordWidth <= width && !line.glyphs.empty()) {
      // Trailing blanks of the line it leaves are of no use.
      while (!line.glyphs.empty() && IsBlank(line.glyphs.back().ch)) {
        if (line.mnemonic == static_cast<int>(line.glyphs.size()) - 1) line.mnemonic = -1;
        line.glyphs.pop_back();
      }
      lines.emplace_back();
    }
    place(i, end);
    i = end;
  }
  return lines;
}

CellText Slice(const CellText& text, int start, int width) {
  CellText slice;
  int cell = 0;
  for (size_t i = 0; i < text.glyphs.size(); ++i) {
    const Glyph& glyph = text.glyphs[i];
    const int from = cell;
    cell += glyph.width;
    if (from < start) continue;
    if (cell > start + width) break;
    if (static_cast<int>(i) == text.mnemonic) slice.mnemonic = slice.glyphs.size();
    slice.glyphs.push_back(glyph);
  }
  return slice;
}

}  // namespace orv::ui::form
