// The inputs of the file readers' fuzz targets that the tests' byte builders make: the seeds
// each target starts from (fuzz/corpus/NAME) and the crafted regression inputs, one or more
// per kind of damage a reader must survive (fuzz/regressions/NAME), each named after what it
// catches. reader_inputs_main.cpp writes them; the files are committed, so the suite replays
// them without building this. Each crafted input was checked to reach the guard it is named
// after.
#ifndef ORV_FUZZ_READER_INPUTS_H
#define ORV_FUZZ_READER_INPUTS_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace orv::fuzz {

// The stream that holds a compound document's summary properties.
inline const std::string kSummaryName = "\005SummaryInformation";

struct InputFile {
  std::string target;  // the fuzz target's name
  std::string name;    // the file's name: what it holds or what it catches
  std::string bytes;
};

// Where `part` first stands in `bytes` from `from`: the builders' layout, so a patch that
// misses it stops the program rather than writing an input that catches nothing.
inline size_t OffsetOf(const std::string& bytes, std::string_view part, size_t from = 0) {
  const size_t at = bytes.find(part, from);
  if (at == std::string::npos) {
    std::fprintf(stderr, "builder layout changed: no %.*s\n", static_cast<int>(part.size()),
                 part.data());
    std::abort();
  }
  return at;
}

inline void PatchBe(std::string& bytes, size_t offset, uint64_t value, int count) {
  for (int i = 0; i < count; ++i)
    bytes[offset + i] = static_cast<char>((value >> (8 * (count - 1 - i))) & 0xFF);
}

std::vector<InputFile> ReaderSeeds();
// Pictures, music and videos; office documents, programs and web pages.
std::vector<InputFile> MediaRegressions();
std::vector<InputFile> DocumentRegressions();

}  // namespace orv::fuzz

#endif  // ORV_FUZZ_READER_INPUTS_H
