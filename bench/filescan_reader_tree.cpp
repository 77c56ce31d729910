// Writes the tree of videos, office documents, programs and web pages that the readers are
// tested on (tests/builders/reader_tree.h), for the comparison of the Linux and Windows builds
// and for the scan benchmark.
//
//   filescan_reader_tree DIR [COPIES]
//
// With COPIES above 1 the tree is written that many times, in DIR/0001, DIR/0002, ...
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/builders/reader_tree.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s DIR [COPIES]\n", argv[0]);
    return 2;
  }
  const long copies = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 1;
  if (copies < 1 || copies > 100000) {
    std::fprintf(stderr, "error: COPIES must be between 1 and 100000\n");
    return 2;
  }
  const orv::testing::TreeFiles files = orv::testing::ReaderTreeFiles();
  const std::filesystem::path root = argv[1];
  try {
    for (long i = 1; i <= copies; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "%04ld", i);
      orv::testing::WriteTreeFiles(copies == 1 ? root : root / name, files);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "error: %s\n", error.what());
    return 1;
  }
  return 0;
}
