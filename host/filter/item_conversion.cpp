#include "host/filter/item_conversion.h"

#include <cstring>
#include <string>
#include <string_view>

#include "text/codepage.h"

namespace orv::host {

namespace {

// Texts in record order, so fresh records, conversions and releases walk the same list.
HostString MediaItem::*const kTextFields[] = {
    &MediaItem::title,    &MediaItem::type,    &MediaItem::editor,  &MediaItem::author,
    &MediaItem::coauthor, &MediaItem::lang,    &MediaItem::custom1, &MediaItem::custom2,
    &MediaItem::custom3,  &MediaItem::comment, &MediaItem::image,   &MediaItem::lendname,
};

void SetFixedText(char* field, size_t size, const std::string& utf8) {
  const std::string user = text::Utf8ToUser(utf8);
  const size_t n = user.size() < size - 1 ? user.size() : size - 1;
  std::memset(field, 0, size);
  std::memcpy(field, user.data(), n);
}

std::string TextOfField(HostString s) { return text::UserToUtf8(orv::TextOf(s)); }

// A text equal to `same` shares it (texts are reference-counted and never changed in place).
bool MakeText(HostString& field, const std::string& utf8, HostString same) {
  const std::string user = text::Utf8ToUser(utf8);
  if (same && TextOf(same) == user) {
    hs_retain(same);
    field = same;
    return true;
  }
  field = hs_make(user.data(), user.size());
  return field != nullptr;
}

}  // namespace

std::string FixedText(const char* field, size_t size) {
  // A filter may have filled a fixed text without its terminator: never read past the field.
  const void* end = std::memchr(field, '\0', size);
  const size_t n = end ? static_cast<size_t>(static_cast<const char*>(end) - field) : size;
  return text::UserToUtf8(std::string_view(field, n));
}

bool MakeFreshItem(MediaItem& item) {
  std::memset(&item, 0, sizeof item);
  for (HostString MediaItem::*field : kTextFields) {
    item.*field = hs_make("", 0);
    if (!(item.*field)) {
      ReleaseItemTexts(item);
      return false;
    }
  }
  return true;
}

StoredItem FromMediaItem(const MediaItem& item, int32_t itemKind) {
  StoredItem s;
  s.itemKind = itemKind;
  s.title = TextOfField(item.title);
  s.type = TextOfField(item.type);
  s.editor = TextOfField(item.editor);
  s.author = TextOfField(item.author);
  s.coauthor = TextOfField(item.coauthor);
  s.length = FixedText(item.length, sizeof item.length);
  s.date = FixedText(item.date, sizeof item.date);
  s.category = item.category;
  s.year = item.year;
  s.chap = item.chap;
  s.reservedA = item.reservedA;
  s.rating = item.rating;
  s.price = item.price;
  s.lang = TextOfField(item.lang);
  s.format1 = item.format1;
  s.format2 = item.format2;
  s.medium = item.medium;
  s.sound = item.sound;
  s.custom1 = TextOfField(item.custom1);
  s.custom2 = TextOfField(item.custom2);
  s.custom3 = TextOfField(item.custom3);
  s.comment = TextOfField(item.comment);
  s.image = TextOfField(item.image);
  s.lendat1 = FixedText(item.lendat1, sizeof item.lendat1);
  s.lendat2 = FixedText(item.lendat2, sizeof item.lendat2);
  s.lendname = TextOfField(item.lendname);
  s.reservedB = item.reservedB;
  s.level = item.level;
  return s;
}

bool ToMediaItem(const StoredItem& s, MediaItem& item, const MediaItem* previous) {
  std::memset(&item, 0, sizeof item);
  const auto make = [&](HostString MediaItem::*field, const std::string& utf8) {
    return MakeText(item.*field, utf8, previous ? previous->*field : nullptr);
  };
  const bool made = make(&MediaItem::title, s.title) && make(&MediaItem::type, s.type) &&
                    make(&MediaItem::editor, s.editor) && make(&MediaItem::author, s.author) &&
                    make(&MediaItem::coauthor, s.coauthor) && make(&MediaItem::lang, s.lang) &&
                    make(&MediaItem::custom1, s.custom1) && make(&MediaItem::custom2, s.custom2) &&
                    make(&MediaItem::custom3, s.custom3) && make(&MediaItem::comment, s.comment) &&
                    make(&MediaItem::image, s.image) && make(&MediaItem::lendname, s.lendname);
  if (!made) {
    ReleaseItemTexts(item);
    return false;
  }
  SetFixedText(item.length, sizeof item.length, s.length);
  SetFixedText(item.date, sizeof item.date, s.date);
  SetFixedText(item.lendat1, sizeof item.lendat1, s.lendat1);
  SetFixedText(item.lendat2, sizeof item.lendat2, s.lendat2);
  item.category = s.category;
  item.year = s.year;
  item.chap = s.chap;
  item.reservedA = s.reservedA;
  item.rating = s.rating;
  item.price = s.price;
  item.format1 = s.format1;
  item.format2 = s.format2;
  item.medium = s.medium;
  item.sound = s.sound;
  item.reservedB = s.reservedB;
  item.level = s.level;
  return true;
}

void ReleaseItemTexts(MediaItem& item) {
  for (HostString MediaItem::*field : kTextFields) {
    hs_release(item.*field);
    item.*field = nullptr;
  }
}

}  // namespace orv::host
