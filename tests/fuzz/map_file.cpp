// A keyboard map file of any shape read into the window's components at one
// of the dpi settings, saved over its own text and read again: the second
// reading gives the same picture, font sizes stay within their bounds, saving
// the map again changes no byte, and neither does laying it out for another dpi.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "mapfile/core/map_format.h"
#include "model/form_model.h"
#include "text/ini_text.h"
#include "text/profile_source.h"

namespace {

tastrix::FormModel loaded(const std::string& text, int dpi) {
  tastrix::FormModel form;
  form.layOutFor(dpi);
  tastrix::IniText map(text);
  const tastrix::IniTextEntries source(map);
  tastrix::ApplyMapColours(form, source);
  tastrix::ApplyMapFonts(form, source);
  return form;
}

bool samePicture(const tastrix::FormModel& first, const tastrix::FormModel& second) {
  if (first.alignment() != second.alignment() || first.components().size() != second.components().size())
    return false;
  for (size_t i = 0; i < first.components().size(); ++i) {
    const tastrix::Component &a = first.components()[i], &b = second.components()[i];
    tastrix::FontDescription font = a.font;
    font.name = tastrix::fuzz::AsReadBack(font.name);
    if (font != b.font || a.fill != b.fill || a.layout != b.layout || !(a.bounds == b.bounds) ||
        a.caption != b.caption || a.visible != b.visible)
      return false;
  }
  return true;
}

// Names that the reader would trim or unquote change on the way through a
// file; every other name is kept as it is.
bool namesSurvive(const tastrix::FormModel& form) {
  for (const tastrix::Component& c : form.components())
    if (tastrix::fuzz::AsReadBack(c.font.name) != c.font.name) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int dpi = input.PickValueInArray({96, 120, 144, 192});
  const int otherDpi = input.PickValueInArray({96, 120, 144, 192});
  const std::string original = input.ConsumeRemainingBytesAsString();

  const tastrix::FormModel first = loaded(original, dpi);
  FUZZ_CHECK(first.alignment() >= -1 && first.alignment() <= 2);
  for (const tastrix::Component& c : first.components()) FUZZ_CHECK(std::abs(c.font.size) <= 1638);

  const std::string saved = tastrix::MapFileText(first, original);
  tastrix::FormModel moved = first;
  moved.layOutFor(otherDpi);
  FUZZ_CHECK(tastrix::MapFileText(moved, original) == saved);
  const tastrix::FormModel second = loaded(saved, dpi);
  FUZZ_CHECK(samePicture(first, second));
  if (namesSurvive(first)) FUZZ_CHECK(tastrix::MapFileText(second, saved) == saved);
  return 0;
}
