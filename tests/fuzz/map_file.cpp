// A keyboard map file of any shape read into a map, saved over its own text
// and read again: the second reading gives the same map, font sizes stay
// within their bounds, and saving the map again changes no byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "mapfile/core/map_format.h"
#include "text/profile_source.h"

namespace {

tastrix::KeyboardMap loaded(const std::string& text) {
  tastrix::KeyboardMap map;
  const tastrix::MapStyle style = tastrix::ReadMapStyle(tastrix::IniTextEntries(text), map);
  map.fonts = style.fonts;
  map.keyColour = style.keyColour;
  map.borderColour = style.borderColour;
  map.alignment = style.alignment;
  return map;
}

// Names that the reader would trim or unquote change on the way through a
// file; every other name is kept as it is.
bool namesSurvive(const tastrix::KeyboardMap& map) {
  for (const tastrix::FontDescription& font : map.fonts)
    if (tastrix::fuzz::AsReadBack(font.name) != font.name) return false;
  return true;
}

bool sameMap(const tastrix::KeyboardMap& first, const tastrix::KeyboardMap& second) {
  tastrix::KeyboardMap readBack = first;
  for (tastrix::FontDescription& font : readBack.fonts) font.name = tastrix::fuzz::AsReadBack(font.name);
  return readBack == second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string original = input.ConsumeRemainingBytesAsString();

  const tastrix::KeyboardMap first = loaded(original);
  FUZZ_CHECK(first.alignment >= -1 && first.alignment <= 2);
  for (const tastrix::FontDescription& font : first.fonts) FUZZ_CHECK(std::abs(font.size) <= 1638);

  const std::string saved = tastrix::MapFileText(first, original);
  const tastrix::KeyboardMap second = loaded(saved);
  FUZZ_CHECK(sameMap(first, second));
  if (namesSurvive(first)) FUZZ_CHECK(tastrix::MapFileText(second, saved) == saved);
  return 0;
}
