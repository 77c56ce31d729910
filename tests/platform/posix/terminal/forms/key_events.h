// Key events as the form tests press them.
#ifndef ORV_TESTS_PLATFORM_POSIX_TERMINAL_FORMS_KEY_EVENTS_H
#define ORV_TESTS_PLATFORM_POSIX_TERMINAL_FORMS_KEY_EVENTS_H

#include "platform/posix/terminal/forms/form_controller.h"

namespace orv::ui::form::testing {

inline KeyEvent K(Key key, char32_t ch = 0) {
  KeyEvent event;
  event.key = key;
  event.ch = ch;
  return event;
}
inline KeyEvent Char(char32_t ch) { return K(Key::kChar, ch); }

}  // namespace orv::ui::form::testing

#endif  // ORV_TESTS_PLATFORM_POSIX_TERMINAL_FORMS_KEY_EVENTS_H
