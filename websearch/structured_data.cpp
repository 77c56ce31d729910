#include "websearch/structured_data.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "text/ascii.h"
#include "text/codepage.h"
#include "text/html_entities.h"
#include "websearch/links.h"

namespace orv::websearch {
namespace {

using Json = nlohmann::json;

constexpr size_t kNone = std::string_view::npos;
// A meta tag longer than this is no OpenGraph tag worth reading (and bounds the work on pages
// of tags that are never closed).
constexpr size_t kMaxMetaTagBytes = 8192;
constexpr size_t kMaxDirectors = 8;
// Members of an offer looked into for a price given in an object of its own.
constexpr size_t kMaxOfferMembers = 32;
constexpr double kMaxPrice = 1e9;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// A text of the page or of a block as the item gets it.
std::string Cleaned(std::string_view user) {
  return std::string(text::TrimAsciiBlanks(text::DecodeEntities(user)));
}
std::string FromJson(const std::string& utf8) { return Cleaned(text::Utf8ToUser(utf8)); }

// Whether the brackets of `json` nest at most `maxDepth` deep (strings aside): the parser and
// the walk below then never go deeper.
bool NestedAtMost(std::string_view json, int maxDepth) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (char c : json) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > maxDepth) return false;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return true;
}

// The block without the comment or CDATA wrapping some pages put around it.
std::string_view Unwrapped(std::string_view body) {
  body = text::TrimAsciiBlanks(body);
  for (const auto& [open, close] :
       {std::pair<std::string_view, std::string_view>{"<!--", "-->"}, {"<![CDATA[", "]]>"}}) {
    if (body.substr(0, open.size()) == open) body.remove_prefix(open.size());
    if (body.size() >= close.size() && body.substr(body.size() - close.size()) == close) {
      body.remove_suffix(close.size());
    }
    body = text::TrimAsciiBlanks(body);
  }
  return body;
}

// The bodies of the page's JSON-LD scripts, at most kMaxLdScripts of them.
std::vector<std::string_view> LdScripts(std::string_view page, std::string_view lower) {
  std::vector<std::string_view> scripts;
  for (size_t at = lower.find("<script"); at != kNone && scripts.size() < kMaxLdScripts;
       at = lower.find("<script", at)) {
    const size_t open = lower.find('>', at);
    if (open == kNone) break;
    const size_t end = lower.find("</script", open);
    const size_t bodyEnd = end == kNone ? lower.size() : end;
    if (lower.substr(at, open - at).find("application/ld+json") != kNone) {
      scripts.push_back(Unwrapped(page.substr(open + 1, bodyEnd - open - 1)));
    }
    if (end == kNone) break;
    at = end + 8;
  }
  return scripts;
}

const std::string* StringIn(const Json& value) { return value.get_ptr<const std::string*>(); }

// A member of an object, or nullptr (also when `node` is no object).
const Json* Member(const Json& node, const char* name) {
  if (!node.is_object()) return nullptr;
  const auto found = node.find(name);
  return found == node.end() ? nullptr : &*found;
}

// "Movie", "schema:Movie" and "http://schema.org/Movie" are all a Movie.
bool NamesType(const Json& value, std::string_view type) {
  const std::string* name = StringIn(value);
  if (!name) return false;
  std::string_view shortName = *name;
  const size_t cut = shortName.find_last_of("/:");
  if (cut != kNone) shortName.remove_prefix(cut + 1);
  return shortName == type;
}

bool IsOfType(const Json& node, std::string_view type) {
  const Json* types = Member(node, "@type");
  if (!types) return false;
  if (!types->is_array()) return NamesType(*types, type);
  for (const Json& one : *types) {
    if (NamesType(one, type)) return true;
  }
  return false;
}

// The first node of `type` in document order, at most kMaxJsonDepth deep.
const Json* FindNode(const Json& node, std::string_view type, int depth = 0) {
  if (depth > kMaxJsonDepth) return nullptr;
  if (node.is_object() && IsOfType(node, type)) return &node;
  if (!node.is_object() && !node.is_array()) return nullptr;
  for (const Json& child : node) {
    if (const Json* found = FindNode(child, type, depth + 1)) return found;
  }
  return nullptr;
}

// A text member ("name": "Alien"), or a number written as text.
std::string TextMember(const Json& node, const char* name) {
  const Json* value = Member(node, name);
  if (!value) return {};
  if (const std::string* text = StringIn(*value)) return FromJson(*text);
  if (value->is_number_integer() || value->is_number_unsigned()) {
    return std::to_string(value->get<long long>());
  }
  return {};
}

// A person or a list of them: their names.
std::string Names(const Json* people) {
  if (!people) return {};
  std::string names;
  const auto add = [&](const Json& person) {
    std::string name;
    if (const std::string* text = StringIn(person)) {
      name = FromJson(*text);
    } else {
      name = TextMember(person, "name");
    }
    if (name.empty()) return;
    if (!names.empty()) names += ", ";
    names += name;
  };
  if (!people->is_array()) {
    add(*people);
    return names;
  }
  size_t count = 0;
  for (const Json& person : *people) {
    if (count++ == kMaxDirectors) break;
    add(person);
  }
  return names;
}

// An image: an address, an ImageObject (url or contentUrl), or a list whose first usable entry
// counts.
std::string ImageAddress(const Json* image, int depth = 0) {
  if (!image || depth > 2) return {};
  if (const std::string* text = StringIn(*image)) return FromJson(*text);
  if (image->is_object()) {
    std::string address = TextMember(*image, "url");
    return address.empty() ? TextMember(*image, "contentUrl") : address;
  }
  if (image->is_array()) {
    for (const Json& one : *image) {
      std::string address = ImageAddress(&one, depth + 1);
      if (!address.empty()) return address;
    }
  }
  return {};
}

std::string PriceText(const Json* price) {
  if (!price) return {};
  if (const std::string* text = StringIn(*price)) return FromJson(*text);
  if (!price->is_number()) return {};
  const double value = price->get<double>();
  if (!std::isfinite(value) || value < 0 || value >= kMaxPrice) return {};
  char formatted[32];
  std::snprintf(formatted, sizeof formatted, "%.2f", value);
  return formatted;
}

// An offer's price: its own, an AggregateOffer's lowest, else that of an object inside the offer
// (sites often give the price there, with its terms and currency).
std::string OfferPrice(const Json& offer) {
  for (const char* name : {"price", "lowPrice"}) {
    std::string price = PriceText(Member(offer, name));
    if (!price.empty()) return price;
  }
  if (!offer.is_object()) return {};
  size_t looked = 0;
  for (const Json& inner : offer) {
    if (looked++ == kMaxOfferMembers) break;
    std::string price = PriceText(Member(inner, "price"));
    if (!price.empty()) return price;
  }
  return {};
}

std::string OffersPrice(const Json* offers) {
  if (!offers) return {};
  if (!offers->is_array()) return OfferPrice(*offers);
  for (const Json& offer : *offers) {
    std::string price = OfferPrice(offer);
    if (!price.empty()) return price;
  }
  return {};
}

void FillEmpty(std::string& field, std::string value) {
  if (field.empty()) field = std::move(value);
}

void ReadBlock(const Json& block, StructuredKind kind, StructuredValues& values) {
  if (kind == StructuredKind::kFilm) {
    if (const Json* movie = FindNode(block, "Movie")) {
      FillEmpty(values.title, TextMember(*movie, "name"));
      FillEmpty(values.year, TextMember(*movie, "datePublished"));
      FillEmpty(values.year, TextMember(*movie, "dateCreated"));
      FillEmpty(values.director, Names(Member(*movie, "director")));
      FillEmpty(values.picture, WebAddressOrNone(ImageAddress(Member(*movie, "image"))));
    }
    return;
  }
  if (const Json* product = FindNode(block, "Product")) {
    FillEmpty(values.title, TextMember(*product, "name"));
    FillEmpty(values.picture, WebAddressOrNone(ImageAddress(Member(*product, "image"))));
    FillEmpty(values.price, OffersPrice(Member(*product, "offers")));
  }
  if (values.price.empty()) {
    if (const Json* offer = FindNode(block, "Offer")) values.price = OfferPrice(*offer);
  }
}

void ReadJsonLd(std::string_view page, std::string_view lower, StructuredKind kind,
                StructuredValues& values) {
  for (std::string_view script : LdScripts(page, lower)) {
    if (script.size() > kMaxLdScriptBytes || !NestedAtMost(script, kMaxJsonDepth)) continue;
    const std::string utf8 = text::UserToUtf8(script);
    // No exception: a block that is not JSON comes back discarded.
    const Json block = Json::parse(utf8.begin(), utf8.end(), nullptr, false);
    if (block.is_discarded()) continue;
    ReadBlock(block, kind, values);
  }
}

// The value of attribute `name` in a tag (`lower` is the tag lower-cased, `tag` as written),
// quoted or not; nothing when the tag has no such attribute.
bool Attribute(std::string_view lower, std::string_view tag, std::string_view name,
               std::string_view& value) {
  for (size_t at = lower.find(name); at != kNone; at = lower.find(name, at + 1)) {
    if (at == 0 || !(IsBlank(lower[at - 1]) || lower[at - 1] == '"' || lower[at - 1] == '\'')) {
      continue;
    }
    size_t i = at + name.size();
    while (i < lower.size() && IsBlank(lower[i])) ++i;
    if (i >= lower.size() || lower[i] != '=') continue;
    ++i;
    while (i < lower.size() && IsBlank(lower[i])) ++i;
    if (i < lower.size() && (lower[i] == '"' || lower[i] == '\'')) {
      const size_t close = lower.find(lower[i], i + 1);
      if (close == kNone) return false;
      value = tag.substr(i + 1, close - i - 1);
      return true;
    }
    size_t end = i;
    while (end < lower.size() && !IsBlank(lower[end]) && lower[end] != '/') ++end;
    value = tag.substr(i, end - i);
    return true;
  }
  return false;
}

void ReadOpenGraph(std::string_view page, std::string_view lower, StructuredKind kind,
                   StructuredValues& values) {
  const bool film = kind == StructuredKind::kFilm;
  const struct {
    const char* property;
    std::string* field;
  } wanted[] = {
      {"og:title", &values.title},
      {"og:image", &values.picture},
      {"og:image:url", &values.picture},
      {"og:image:secure_url", &values.picture},
      {film ? "video:release_date" : "product:price:amount", film ? &values.year : &values.price},
  };
  // The '>' after a tag is searched for again only once the tags have passed it: a page of
  // tags that are never closed takes one pass.
  size_t close = kNone;
  size_t count = 0;
  for (size_t at = lower.find("<meta"); at != kNone && count < kMaxMetaTags;
       at = lower.find("<meta", at + 5), ++count) {
    if (close == kNone || close < at) close = lower.find('>', at);
    if (close == kNone) break;
    if (close - at > kMaxMetaTagBytes) continue;
    const std::string_view tagLower = lower.substr(at, close - at);
    const std::string_view tag = page.substr(at, close - at);
    std::string_view property, content;
    if (!Attribute(tagLower, tagLower, "property", property) &&
        !Attribute(tagLower, tagLower, "name", property)) {
      continue;
    }
    for (const auto& entry : wanted) {
      if (property != entry.property || !entry.field->empty()) continue;
      if (!Attribute(tagLower, tag, "content", content)) continue;
      *entry.field = entry.field == &values.picture ? WebAddressOrNone(Cleaned(content))
                                                    : Cleaned(content);
    }
  }
}

}  // namespace

StructuredValues ReadStructuredData(std::string_view page, StructuredKind kind) {
  StructuredValues values;
  // Nothing may escape into the host: whatever goes wrong (memory included) leaves the values
  // found so far.
  try {
    const std::string lower = text::ToLowerAscii(page);
    ReadJsonLd(page, lower, kind, values);
    ReadOpenGraph(page, lower, kind, values);
  } catch (...) {
  }
  return values;
}

}  // namespace orv::websearch
