#include "platform/codepage.h"

#include <iconv.h>

#include <cstdio>

namespace orv::platform {
namespace {

// iconv's name for a Windows code page number.
std::string IconvName(uint32_t codePage) {
  char name[32];
  if (codePage >= 28591 && codePage <= 28605) {
    std::snprintf(name, sizeof name, "ISO-8859-%u", codePage - 28590);
  } else if (codePage == 20866) {
    return "KOI8-R";
  } else if (codePage == 21866) {
    return "KOI8-U";
  } else if (codePage == 51932) {
    return "EUC-JP";
  } else if (codePage == 936) {
    return "GBK";
  } else if (codePage == 54936) {
    return "GB18030";
  } else if (codePage == 10000) {
    return "MACINTOSH";
  } else {
    std::snprintf(name, sizeof name, "CP%u", codePage);
  }
  return name;
}

}  // namespace

// Linux builds speak UTF-8 to the user, whatever the locale says.
bool UserCodePageIsUtf8() { return true; }

bool SystemCodePageToUtf8(uint32_t codePage, std::string_view bytes, std::string& utf8) {
  utf8.clear();
  iconv_t converter = iconv_open("UTF-8", IconvName(codePage).c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in(bytes);
  // No code page takes more than four UTF-8 bytes per input byte.
  std::string out(in.size() * 4 + 4, '\0');
  char* from = in.data();
  size_t fromLeft = in.size();
  char* to = out.data();
  size_t toLeft = out.size();
  const size_t done = iconv(converter, &from, &fromLeft, &to, &toLeft);
  iconv_close(converter);
  if (done == static_cast<size_t>(-1) || fromLeft != 0) return false;
  out.resize(out.size() - toLeft);
  utf8 = std::move(out);
  return true;
}

}  // namespace orv::platform
