// The profile store's two text formats, as a person may have edited them: a registry key file
// and an initialisation file. Each is parsed, values are set, and the rewritten text must give
// back exactly the values set: a rewrite never loses or changes a value.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/posix/profile/ini_text.h"
#include "platform/posix/profile/registry_text.h"
#include "text/ascii.h"

namespace {

using orv::platform::ProfileValue;

void Require(bool condition) {
  if (!condition) std::abort();
}

const ProfileValue* Find(const std::vector<ProfileValue>& values, const std::string& name) {
  for (const ProfileValue& value : values) {
    if (orv::text::EqualsIgnoringAsciiCase(value.name, name)) return &value;
  }
  return nullptr;
}

// The values the input asks to set: distinct names, texts or integers.
std::vector<ProfileValue> ValuesToSet(orv::fuzz::FuzzInput& input) {
  std::vector<ProfileValue> values;
  const int count = input.Byte() % 4;
  for (int i = 0; i < count; ++i) {
    ProfileValue value;
    value.name = std::string(input.Piece());
    value.isInteger = input.Flag();
    if (value.isInteger) {
      value.integer = static_cast<int32_t>(input.Byte() << 24 | input.Byte() << 8 | input.Byte());
    } else {
      value.text = std::string(input.Piece());
    }
    if (value.name.empty() || Find(values, value.name)) continue;
    values.push_back(value);
  }
  return values;
}

void CheckRegistry(std::string_view text, const std::vector<ProfileValue>& set) {
  (void)orv::platform::posix::ParseRegistryText(text);
  const std::string updated = orv::platform::posix::UpdateRegistryText(text, set, "; key\n");
  const std::vector<ProfileValue> read = orv::platform::posix::ParseRegistryText(updated);
  for (const ProfileValue& value : set) {
    const ProfileValue* found = Find(read, value.name);
    Require(found != nullptr);
    Require(found->isInteger == value.isInteger);
    Require(value.isInteger ? found->integer == value.integer : found->text == value.text);
  }
}

// Ini files hold one line per value: texts with line breaks, or blanks and quotes at their
// ends, cannot come back as they were, so only plain texts are checked.
bool IniKeeps(const ProfileValue& value) {
  if (value.isInteger) return true;
  const std::string& t = value.text;
  if (t.find_first_of("\r\n") != std::string::npos) return false;
  if (orv::text::TrimAsciiBlanks(t) != t) return false;
  return t.empty() || (t.front() != '"' && t.front() != '\'');
}

void CheckIni(std::string_view text, std::string_view section,
              const std::vector<ProfileValue>& set) {
  (void)orv::platform::posix::ReadIniSection(text, section);
  std::string updated;
  if (!orv::platform::posix::UpdateIniText(text, section, set, updated)) return;
  const std::vector<ProfileValue> read = orv::platform::posix::ReadIniSection(updated, section);
  for (const ProfileValue& value : set) {
    if (!IniKeeps(value)) continue;
    const ProfileValue* found = Find(read, value.name);
    Require(found != nullptr);
    Require(found->text == (value.isInteger ? std::to_string(value.integer) : value.text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::fuzz::FuzzInput input(data, size);
  const std::string section(input.Piece());
  const std::vector<ProfileValue> set = ValuesToSet(input);
  const std::string_view text = input.Rest();
  CheckRegistry(text, set);
  CheckIni(text, section, set);
  return 0;
}
