// Conversions between the encodings outside data arrives in and the user's code page.
//
// The filters speak "the user's ANSI code page": windows-1252 in the Windows build, UTF-8 in the
// Linux build (platform/codepage.h says which). Every reader converts what it reads with these
// helpers; casing and trimming elsewhere act on ASCII bytes only.
#ifndef ORV_TEXT_CODEPAGE_H
#define ORV_TEXT_CODEPAGE_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::text {

bool IsValidUtf8(std::string_view bytes);

// Decodes the UTF-8 sequence at `pos` into `codePoint`; returns its length in bytes, 0 when the
// bytes there are not valid UTF-8 (or `pos` is at the end).
size_t DecodeUtf8(std::string_view bytes, size_t pos, uint32_t& codePoint);

// Code point of a windows-1252 byte. The five bytes the code page leaves undefined map to the
// C1 control of the same value, as Windows does.
uint32_t Windows1252ToCodePoint(unsigned char byte);

// Appends the UTF-8 form of a code point; invalid code points become U+FFFD.
void AppendUtf8(std::string& out, uint32_t codePoint);

std::string Windows1252ToUtf8(std::string_view bytes);
std::string Latin1ToUtf8(std::string_view bytes);
// Little-endian UTF-16, stopping at an odd trailing byte; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);
// Characters windows-1252 cannot hold become `fallback`. Invalid UTF-8 bytes are taken as
// windows-1252 bytes already.
std::string Utf8ToWindows1252(std::string_view utf8, char fallback = '?');

// One code point in the user's code page (a "?" where the code page has no such character).
std::string CodePointToUser(uint32_t codePoint);
std::string Utf8ToUser(std::string_view utf8);
std::string Windows1252ToUser(std::string_view bytes);
std::string Latin1ToUser(std::string_view bytes);
std::string Utf16LeToUser(std::string_view bytes);
// Text in the user's code page, as UTF-8 (for orvhost's transcript and collection). Bytes that
// are not valid UTF-8 in the Linux build are taken as windows-1252.
std::string UserToUtf8(std::string_view user);

// A film card or template is windows-1252 unless it is valid UTF-8.
std::string Windows1252OrUtf8ToUser(std::string_view bytes);

}  // namespace orv::text

#endif  // ORV_TEXT_CODEPAGE_H
