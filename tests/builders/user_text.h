// Tests write their texts in UTF-8; the filters read and write the user's code page.
#ifndef ORV_TESTS_BUILDERS_USER_TEXT_H
#define ORV_TESTS_BUILDERS_USER_TEXT_H

#include <string>

#include "text/codepage.h"

namespace orv::testing {

inline std::string U(const char* utf8) { return text::Utf8ToUser(utf8); }

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_USER_TEXT_H
