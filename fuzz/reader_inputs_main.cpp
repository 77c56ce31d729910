// Writes the file readers' seeds and crafted regression inputs under a fuzz folder:
//
//   reader_fuzz_inputs FOLDER    FOLDER/corpus/NAME/... and FOLDER/regressions/NAME/...
//
// `build/release/bin/reader_fuzz_inputs fuzz` remakes the committed files from the builders.
// Only these files are written: findings kept by hand beside them stay as they are.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fuzz/reader_inputs.h"

namespace fs = std::filesystem;

namespace {

bool WriteAll(const fs::path& folder, const std::vector<orv::fuzz::InputFile>& files) {
  for (const orv::fuzz::InputFile& file : files) {
    const fs::path path = folder / file.target / file.name;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << file.bytes;
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
      return false;
    }
  }
  std::printf("%zu files in %s\n", files.size(), folder.string().c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FUZZ_FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path folder(argv[1]);
  const bool ok = WriteAll(folder / "corpus", orv::fuzz::ReaderSeeds()) &&
                  WriteAll(folder / "regressions", orv::fuzz::MediaRegressions()) &&
                  WriteAll(folder / "regressions", orv::fuzz::DocumentRegressions());
  return ok ? 0 : 1;
}
