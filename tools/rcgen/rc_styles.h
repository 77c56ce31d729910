// Window styles of resource-script controls, kept by name, and the control statements.
//
// Styles matter to us only by what they mean for the dialog model (WS_GROUP, WS_TABSTOP,
// WS_DISABLED, the button type that tells a check box from a push button) and for later use by
// renderers (ES_MULTILINE, ES_PASSWORD, ...), so they are kept as names rather than bits.
#ifndef ORV_PLATFORM_POSIX_RC_STYLES_H
#define ORV_PLATFORM_POSIX_RC_STYLES_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace orv::platform {

// The style names in effect, in the order they were first set.
class StyleSet {
 public:
  // Adding one type of a family whose members exclude each other (BS_PUSHBUTTON and
  // BS_AUTOCHECKBOX, CBS_SIMPLE and CBS_DROPDOWNLIST, ...) drops the other members, as OR-ing
  // their values would give a single type.
  void Add(std::string_view name);
  void Remove(std::string_view name);
  bool Has(std::string_view name) const;
  // A number written in a style expression: the bits we know by name are set or cleared.
  void AddBits(uint32_t bits);
  void RemoveBits(uint32_t bits);
  const std::vector<std::string>& Names() const { return names_; }
  std::string Joined() const;  // "A|B|C"

 private:
  std::vector<std::string> names_;
};

struct ControlStatement {
  const char* keyword;  // upper case
  const char* className;
  ui::ControlKind kind;
  // "|"-separated. Without a style in the script the control gets defaultStyles; a style written
  // in the script is added to baseStyles instead, which may lack WS_GROUP or WS_TABSTOP (the
  // resource compiler does the same: "LTEXT ..., SS_NOPREFIX" is no longer a group start).
  const char* defaultStyles;
  const char* baseStyles;
  bool hasText;  // "text", id, ... (EDITTEXT and COMBOBOX start with the id)
};

// The short control statements (LTEXT, EDITTEXT, AUTOCHECKBOX, ...); null for anything else,
// CONTROL included. Keywords are matched without regard to case.
const ControlStatement* FindControlStatement(std::string_view keyword);

// The canonical name of a class written in a CONTROL statement ("button" gives "Button"), or
// null when the class is not one we can show.
const char* CanonicalControlClass(std::string_view name);

// The kind of a CONTROL of that canonical class; buttons are told apart by their BS_ type.
ui::ControlKind KindOfClass(std::string_view className, const StyleSet& styles);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_RC_STYLES_H
