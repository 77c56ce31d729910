// The little JSON orvhost writes: the --trace transcript and `list --json`.
#ifndef ORV_HOST_JSON_H
#define ORV_HOST_JSON_H

#include <cstdint>
#include <string>
#include <string_view>

#include "host/collection/stored_item.h"

namespace orv::host {

// A quoted JSON string of UTF-8 text (control characters escaped).
std::string JsonString(std::string_view utf8);

// The shortest decimal form that reads back as the same float; non-finite values become null,
// which JSON has no other way to say.
std::string JsonFloat(float value);

// Builds one object, members in the order they are added.
class JsonObject {
 public:
  JsonObject& Add(std::string_view name, std::string_view utf8);
  JsonObject& Add(std::string_view name, const char* utf8) {
    return Add(name, std::string_view(utf8));
  }
  JsonObject& Add(std::string_view name, int64_t number);
  JsonObject& Add(std::string_view name, int32_t number) {
    return Add(name, static_cast<int64_t>(number));
  }
  JsonObject& AddRaw(std::string_view name, std::string_view json);
  std::string Text() const { return body_ + "}"; }

 private:
  void Name(std::string_view name);
  std::string body_ = "{";
};

// Every shown field of the item by its name (reserved words left out), texts as UTF-8.
std::string ItemJson(const StoredItem& item);

}  // namespace orv::host

#endif  // ORV_HOST_JSON_H
