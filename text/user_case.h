// Casing and accent folding of text in the user's code page, for the letters of Latin-1
// (A to Z and the accented letters of French and its neighbours). Other characters are left as
// they are.
#ifndef ORV_TEXT_USER_CASE_H
#define ORV_TEXT_USER_CASE_H

#include <string>
#include <string_view>

namespace orv::text {

std::string ToLowerUser(std::string_view text);
// The first character in capitals, the rest untouched.
std::string UpperFirstUser(std::string_view text);
// Lower-cased, with accented Latin-1 letters as their plain letter ("Stéréo" gives "stereo"):
// keyword lists then match whatever the page's accents.
std::string FoldAccentsLower(std::string_view text);

}  // namespace orv::text

#endif  // ORV_TEXT_USER_CASE_H
