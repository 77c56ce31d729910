// The Windows build keeps no record of the options read: orvhost.exe lists the stored values.
#include "platform/option_record.h"

namespace orv::platform {

void NoteOptionReads(const ProfileLocation&, const std::vector<ProfileValue>&) {}

std::optional<std::vector<ProfileValue>> RecordOptionReads(const ProfileLocation&,
                                                           const std::function<void()>& run) {
  run();
  return std::nullopt;
}

}  // namespace orv::platform
