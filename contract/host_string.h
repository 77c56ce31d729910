// Host strings: the reference-counted text of the host's records.
//
// A host string points at a HostText block whose header carries the function that releases it.
// Whoever makes a text (the host or a filter) allocates it with its own allocator and stores its
// own release function in the header, so a text is always freed by the module that made it, even
// when the host and each filter library have separate heaps.
//
// Rules: a null HostString reads as the empty text. A filter never frees a host text; it assigns
// a field with hs_assign, which makes a new text and drops one reference to the old one. Texts
// are zero-terminated and also carry their length (they may hold no zero byte of their own).
#ifndef ORV_CONTRACT_HOST_STRING_H
#define ORV_CONTRACT_HOST_STRING_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct HostText HostText;
typedef void (*HostTextRelease)(HostText* text);

struct HostText {
  HostTextRelease release;  // frees the block; called when refs drops to 0
  int32_t refs;
  int32_t length;
  char text[1];  // length bytes, then a terminating zero
};

typedef HostText* HostString;

// Makes a text with this module's allocator, holding one reference. Returns null when out of
// memory or when n is too large for a text.
HostString hs_make(const char* bytes, size_t n);
void hs_retain(HostString s);
void hs_release(HostString s);
// Replaces *field by a new text of the given bytes, releasing the old one. Returns 0 when the new
// text could not be made (the field then keeps its old text).
int hs_assign(HostString* field, const char* bytes, size_t n);
int hs_assign_cstr(HostString* field, const char* text);

static inline const char* hs_text(HostString s) { return s ? s->text : ""; }
static inline size_t hs_length(HostString s) { return s ? (size_t)s->length : 0; }

#ifdef __cplusplus
}  // extern "C"

#include <string>
#include <string_view>

namespace orv {

inline std::string_view TextOf(HostString s) { return std::string_view(hs_text(s), hs_length(s)); }
inline std::string StringOf(HostString s) { return std::string(TextOf(s)); }
inline void Assign(HostString* field, std::string_view text) {
  hs_assign(field, text.data(), text.size());
}

}  // namespace orv
#endif

#endif  // ORV_CONTRACT_HOST_STRING_H
