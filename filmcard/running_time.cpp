#include "filmcard/running_time.h"

#include <cstdint>

#include "contract/list_piece.h"
#include "contract/options.h"
#include "text/number.h"
#include "platform/clock.h"

namespace orv::filmcard {
namespace {

int64_t FloorMod(int64_t value, int64_t divisor) {
  const int64_t rest = value % divisor;
  return rest < 0 ? rest + divisor : rest;
}

}  // namespace

std::optional<std::string> RunningTimeOf(std::string_view line) {
  const std::optional<int32_t> hours =
      text::LeadingInteger(GetListPiece(1, line, "", "H", EmptyPiece::kEmptyText));
  const std::optional<int32_t> minutes =
      text::LeadingInteger(GetListPiece(2, line, "", "H", EmptyPiece::kEmptyText));
  if (!hours && !minutes) return std::nullopt;
  // The carry is the one a clock time of the day makes, done in plain arithmetic: through mktime
  // on today's date, the hour a daylight-saving change skips or repeats would come out shifted
  // on those two days of the year.
  const int64_t total = int64_t{hours.value_or(0)} * 60 + minutes.value_or(0);
  std::tm fields{};
  fields.tm_hour = static_cast<int>(FloorMod(total - FloorMod(total, 60), 24 * 60) / 60);
  fields.tm_min = static_cast<int>(FloorMod(total, 60));
  fields.tm_sec = 0;
  return platform::FormatTime("%H:%M:%S", fields).substr(0, 9);
}

std::string DefaultDuration(std::string_view stored, std::string_view fallback) {
  if (stored.size() < 8) return std::string(fallback);
  ui::Control picker;
  TimeTextToControl(std::string(stored), picker);
  return ControlToTimeText(picker);
}

}  // namespace orv::filmcard
