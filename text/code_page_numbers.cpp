#include "text/code_page_numbers.h"

#include "platform/codepage.h"
#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::text {
namespace {

struct CharsetRow {
  const char* name;
  uint32_t codePage;
};

constexpr CharsetRow kCharsets[] = {
    {"utf-8", kCodePageUtf8},
    {"utf8", kCodePageUtf8},
    {"unicode-1-1-utf-8", kCodePageUtf8},
    {"windows-1252", kCodePageWindows1252},
    {"cp1252", kCodePageWindows1252},
    {"x-cp1252", kCodePageWindows1252},
    {"iso-8859-1", kCodePageWindows1252},
    {"iso8859-1", kCodePageWindows1252},
    {"iso_8859-1", kCodePageWindows1252},
    {"latin1", kCodePageWindows1252},
    {"l1", kCodePageWindows1252},
    {"us-ascii", kCodePageWindows1252},
    {"ascii", kCodePageWindows1252},
    {"iso-8859-15", 28605},
    {"latin-9", 28605},
    {"iso-8859-2", 28592},
    {"iso-8859-5", 28595},
    {"iso-8859-7", 28597},
    {"windows-1250", 1250},
    {"windows-1251", 1251},
    {"windows-1253", 1253},
    {"windows-1254", 1254},
    {"windows-1255", 1255},
    {"windows-1256", 1256},
    {"windows-1257", 1257},
    {"windows-1258", 1258},
    {"koi8-r", 20866},
    {"koi8-u", 21866},
    {"shift_jis", 932},
    {"shift-jis", 932},
    {"euc-jp", 51932},
    {"gb2312", 936},
    {"gbk", 936},
    {"gb18030", 54936},
    {"big5", 950},
    {"euc-kr", 949},
    {"macintosh", 10000},
    {"utf-16", kCodePageUtf16Le},
    {"utf-16le", kCodePageUtf16Le},
    {"utf-16be", kCodePageUtf16Be},
};

std::string Utf16BeToUtf8(std::string_view bytes) {
  std::string swapped(bytes.substr(0, bytes.size() & ~static_cast<size_t>(1)));
  for (size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
  return Utf16LeToUtf8(swapped);
}

}  // namespace

std::string CodePageToUtf8(uint32_t codePage, std::string_view bytes) {
  switch (codePage) {
    case kCodePageUtf8:
      return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
    case kCodePageUtf16Le:
      return Utf16LeToUtf8(bytes);
    case kCodePageUtf16Be:
      return Utf16BeToUtf8(bytes);
    case kCodePageLatin1:
      return Latin1ToUtf8(bytes);
    case kCodePageWindows1252:
    case kCodePageAscii:
      return Windows1252ToUtf8(bytes);
    default: {
      std::string utf8;
      if (platform::SystemCodePageToUtf8(codePage, bytes, utf8)) return utf8;
      return Windows1252ToUtf8(bytes);
    }
  }
}

std::string CodePageToUser(uint32_t codePage, std::string_view bytes) {
  // The user's own code page needs no round trip (and keeps bytes it cannot map as they are).
  if (codePage == kCodePageWindows1252 && !platform::UserCodePageIsUtf8())
    return std::string(bytes);
  return Utf8ToUser(CodePageToUtf8(codePage, bytes));
}

uint32_t CodePageOfCharset(std::string_view name) {
  name = TrimAsciiBlanks(name);
  for (const CharsetRow& row : kCharsets) {
    if (EqualsIgnoringAsciiCase(row.name, name)) return row.codePage;
  }
  return 0;
}

}  // namespace orv::text
