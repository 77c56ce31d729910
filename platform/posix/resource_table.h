// The module's resources as tables compiled into it.
//
// rcgen turns a module's UTF-8 resource script into a C++ file that defines
// ModuleResourceTable(); every module (filter library, test program) links exactly one. The
// tables are constant data with static storage, so pointers into them stay valid as long as
// the module is loaded (icon handles are such pointers). Texts are UTF-8, the user's code page
// on Linux. Rows of every table are sorted by id and ids are unique (rcgen checks both).
#ifndef ORV_PLATFORM_POSIX_RESOURCE_TABLE_H
#define ORV_PLATFORM_POSIX_RESOURCE_TABLE_H

#include <cstddef>
#include <string_view>

namespace orv::platform {

struct ResourceString {
  int id;
  const char* text;
};

struct ResourceIcon {
  int id;
  const char* fileName;  // as the script names it
  const unsigned char* data;
  std::size_t size;
};

struct ResourceControl {
  int id;
  int kind;  // ui::ControlKind
  const char* text;
  int x, y, w, h;
  bool groupStart;  // WS_GROUP
  bool tabStop;     // WS_TABSTOP
  bool disabled;    // WS_DISABLED
  // The style names in effect, "|"-separated ("ES_MULTILINE|ES_PASSWORD|WS_TABSTOP"); numbers
  // written in the script are not kept.
  const char* styles;
  const char* className;  // "Button", "Edit", "Static", "ComboBox", "SysDateTimePick32", ...
};

struct ResourceDialog {
  int id;
  const char* caption;
  const char* fontName;
  int fontSize;
  int x, y, w, h;
  const char* styles;
  const ResourceControl* controls;
  std::size_t controlCount;
};

struct ResourceTable {
  const ResourceString* strings;
  std::size_t stringCount;
  const ResourceIcon* icons;
  std::size_t iconCount;
  const ResourceDialog* dialogs;
  std::size_t dialogCount;
};

// Defined by the generated file of the module's script.
const ResourceTable& ModuleResourceTable();

// Lookups in the module's table; null when the id is absent.
const ResourceString* FindResourceString(int id);
const ResourceIcon* FindResourceIcon(int id);
const ResourceDialog* FindResourceDialog(int id);
const ResourceControl* FindResourceControl(const ResourceDialog& dialog, int controlId);

// Whether a "|"-separated style list holds `name` (exact, case-sensitive).
bool HasStyle(const char* styles, std::string_view name);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_RESOURCE_TABLE_H
