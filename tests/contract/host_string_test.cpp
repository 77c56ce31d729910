#include "contract/host_string.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// A text made by "another module": its own release function counts the frees.
int foreignFrees = 0;
void ForeignRelease(HostText* text) {
  ++foreignFrees;
  std::free(text);
}

TEST(HostString, NullReadsAsEmpty) {
  EXPECT_STREQ(hs_text(nullptr), "");
  EXPECT_EQ(hs_length(nullptr), 0u);
  EXPECT_EQ(TextOf(nullptr), "");
}

TEST(HostString, AssignReplacesAndReleasesTheOldTextEachTime) {
  HostString field = hs_make("", 0);
  for (int i = 0; i < 1000; ++i) Assign(&field, "texte " + std::to_string(i));
  EXPECT_EQ(TextOf(field), "texte 999");
  hs_release(field);  // the sanitize build reports any text left behind
}

TEST(HostString, KeepsEmbeddedBytesAndLength) {
  HostString s = hs_make("a\0b", 3);
  EXPECT_EQ(hs_length(s), 3u);
  EXPECT_EQ(TextOf(s), std::string_view("a\0b", 3));
  EXPECT_EQ(s->text[3], '\0');
  hs_release(s);
}

TEST(HostString, OldTextIsFreedByTheModuleThatMadeIt) {
  foreignFrees = 0;
  HostString foreign = hs_make("hôte", 5);
  foreign->release = &ForeignRelease;
  hs_retain(foreign);  // the host still holds it elsewhere
  HostString field = foreign;
  Assign(&field, "filtre");
  EXPECT_EQ(foreignFrees, 0);
  hs_release(foreign);
  EXPECT_EQ(foreignFrees, 1);
  hs_release(field);
}

}  // namespace
}  // namespace orv
