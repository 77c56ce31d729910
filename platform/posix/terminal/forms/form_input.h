// Helpers that the files of FormController share: which controls the keys and the mouse act on,
// type-ahead in lists of texts, and where the cursor of a list goes for a key. Internal to the
// dialog controller; not for other code.
#ifndef ORV_PLATFORM_POSIX_FORM_INPUT_H
#define ORV_PLATFORM_POSIX_FORM_INPUT_H

#include <optional>
#include <string>
#include <vector>

#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/form_text.h"

namespace orv::ui::form::input {

// Labels and group boxes only show text: they never take the focus or a click.
inline bool IsInteractive(ControlKind kind) {
  return kind != ControlKind::kLabel && kind != ControlKind::kGroupBox;
}

// The index after `from` (cyclically) whose text starts with `ch`, or -1.
inline int TypeAhead(const std::vector<std::string>& texts, int from, char32_t ch) {
  const int count = static_cast<int>(texts.size());
  for (int step = 1; step <= count; ++step) {
    const int at = ((from < 0 ? -1 : from) + step) % count;
    const std::u32string points = CodePoints(texts[at]);
    if (!points.empty() && FoldCase(points[0]) == FoldCase(ch)) return at;
  }
  return -1;
}

// Where a cursor over `count` entries goes for the keys that move in lists; nothing for others.
inline std::optional<int> Moved(Key key, int cursor, int count, int page) {
  switch (key) {
    case Key::kUp:
      return cursor - 1;
    case Key::kDown:
      return cursor + 1;
    case Key::kPageUp:
      return cursor - page;
    case Key::kPageDown:
      return cursor + page;
    case Key::kHome:
      return 0;
    case Key::kEnd:
      return count - 1;
    default:
      return std::nullopt;
  }
}

}  // namespace orv::ui::form::input

#endif  // ORV_PLATFORM_POSIX_FORM_INPUT_H
