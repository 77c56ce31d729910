// A film card: its ten lines decoded, then every value the import derives from them.
#include <cstdint>

#include "filmcard/card_reader.h"
#include "filmcard/running_time.h"
#include "filmcard/title_composition.h"
#include "filmcard/video_standard.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filmcard;
  orv::fuzz::FuzzInput input(data, size);
  const uint8_t choices = input.Byte();
  const CardLines card = DecodeCard(input.Rest());
  (void)RunningTimeOf(card[kLineRunningTime]);
  (void)DefaultDuration(card[kLineRunningTime], "01:30:00");
  (void)VideoStandardOf(card[kLineCountry], 0);
  (void)ComposeTitle(card[kLineFrenchTitle], card[kLineEnglishTitle], choices & 3,
                     (choices & 4) != 0, "Sans titre");
  return 0;
}
