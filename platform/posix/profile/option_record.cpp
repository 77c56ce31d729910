#include "platform/option_record.h"

#include <stdlib.h>

#include <string>

#include "platform/posix/profile/registry_text.h"
#include "text/ascii.h"

namespace orv::platform {
namespace {

constexpr const char* kRecordVariable = "ORVHOST_OPTION_READS";

// Puts the variable back as it was before the record started, whatever `run` does.
class RestoreVariable {
 public:
  RestoreVariable() {
    if (const char* value = getenv(kRecordVariable)) saved_ = value;
  }
  ~RestoreVariable() {
    if (saved_)
      setenv(kRecordVariable, saved_->c_str(), 1);
    else
      unsetenv(kRecordVariable);
  }
  RestoreVariable(const RestoreVariable&) = delete;
  RestoreVariable& operator=(const RestoreVariable&) = delete;

 private:
  std::optional<std::string> saved_;
};

}  // namespace

void NoteOptionReads(const ProfileLocation& where, const std::vector<ProfileValue>& defaults) {
  const char* current = getenv(kRecordVariable);
  if (!current) return;
  const std::string record = current;
  const std::string header = OptionRecordHeader(where);
  if (record.compare(0, record.find('\n'), header) != 0) return;
  // Each option once, at its first read: a table loaded again (Cancel in the dialog) adds
  // nothing.
  std::vector<ProfileValue> seen = posix::ParseRegistryText(record);
  std::vector<ProfileValue> fresh;
  for (const ProfileValue& value : defaults) {
    bool known = false;
    for (const ProfileValue& old : seen) {
      known = known || text::EqualsIgnoringAsciiCase(old.name, value.name);
    }
    if (known) continue;
    seen.push_back(value);
    fresh.push_back(value);
  }
  if (fresh.empty()) return;
  setenv(kRecordVariable, posix::UpdateRegistryText(record, fresh, "").c_str(), 1);
}

std::optional<std::vector<ProfileValue>> RecordOptionReads(const ProfileLocation& where,
                                                           const std::function<void()>& run) {
  std::string record;
  {
    RestoreVariable restore;
    if (setenv(kRecordVariable, (OptionRecordHeader(where) + "\n").c_str(), 1) != 0)
      return std::nullopt;
    run();
    if (const char* value = getenv(kRecordVariable)) record = value;
  }
  return posix::ParseRegistryText(record);
}

}  // namespace orv::platform
