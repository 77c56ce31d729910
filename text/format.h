// printf-style formatting into a string, for the filters' own format texts (resource strings
// such as "BitRate:%d Kbits/s"). The format must never come from outside data.
#ifndef ORV_TEXT_FORMAT_H
#define ORV_TEXT_FORMAT_H

#include <string>

namespace orv::text {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string
FormatText(const char* format, ...);

// The same for a format known only at run time (a resource string): the caller vouches that
// its conversions match the arguments.
std::string FormatResourceText(const char* format, ...);

}  // namespace orv::text

#endif  // ORV_TEXT_FORMAT_H
