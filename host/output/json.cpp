#include "host/output/json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orv::host {

std::string JsonString(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 2);
  out += '"';
  char escaped[8];
  for (size_t at = 0; at < utf8.size(); ++at) {
    const char c = utf8[at];
    const auto byte = static_cast<unsigned char>(c);
    // DEL and the C1 controls (UTF-8 C2 80 to C2 9F) are escaped too: the same characters for a
    // JSON reader, and nothing a terminal would obey.
    if (byte == 0x7F) {
      out += "\\u007f";
      continue;
    }
    if (byte == 0xC2 && at + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[at + 1]);
      if (next >= 0x80 && next <= 0x9F) {
        std::snprintf(escaped, sizeof escaped, "\\u%04x", next);
        out += escaped;
        ++at;
        continue;
      }
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string JsonFloat(float value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  for (int precision = 1; precision <= 9; ++precision) {
    std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) break;
  }
  return text;
}

void JsonObject::Name(std::string_view name) {
  if (body_.size() > 1) body_ += ',';
  body_ += JsonString(name);
  body_ += ':';
}

JsonObject& JsonObject::Add(std::string_view name, std::string_view utf8) {
  Name(name);
  body_ += JsonString(utf8);
  return *this;
}

JsonObject& JsonObject::Add(std::string_view name, int64_t number) {
  Name(name);
  body_ += std::to_string(number);
  return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view name, std::string_view json) {
  Name(name);
  body_ += json;
  return *this;
}

std::string ItemJson(const StoredItem& item) {
  JsonObject object;
  for (const ItemField& field : ItemFields()) {
    if (field.reserved) continue;
    switch (field.kind) {
      case FieldKind::kText:
        object.Add(field.name, item.*field.text);
        break;
      case FieldKind::kInteger:
        object.Add(field.name, item.*field.integer);
        break;
      case FieldKind::kPrice:
        object.AddRaw(field.name, JsonFloat(item.price));
        break;
    }
  }
  return object.Text();
}

}  // namespace orv::host
