#include "contract/host_string.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Each module that links this file frees with its own allocator.
void ReleaseOwnText(HostText* text) { std::free(text); }

constexpr size_t kMaxTextLength = 0x3FFFFFFF;

}  // namespace

extern "C" HostString hs_make(const char* bytes, size_t n) {
  if (n > kMaxTextLength) return nullptr;
  auto* text = static_cast<HostText*>(std::malloc(offsetof(HostText, text) + n + 1));
  if (!text) return nullptr;
  text->release = &ReleaseOwnText;
  text->refs = 1;
  text->length = static_cast<int32_t>(n);
  if (n) std::memcpy(text->text, bytes, n);
  text->text[n] = '\0';
  return text;
}

extern "C" void hs_retain(HostString s) {
  if (s) ++s->refs;
}

extern "C" void hs_release(HostString s) {
  if (s && --s->refs == 0) s->release(s);
}

extern "C" int hs_assign(HostString* field, const char* bytes, size_t n) {
  HostString fresh = hs_make(bytes, n);
  if (!fresh) return 0;
  HostString old = *field;
  *field = fresh;
  hs_release(old);
  return 1;
}

extern "C" int hs_assign_cstr(HostString* field, const char* text) {
  return hs_assign(field, text ? text : "", text ? std::strlen(text) : 0);
}
