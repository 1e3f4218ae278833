// INI text of any shape, read as single bytes or as Shift-JIS, updated and
// pruned with the section and key names the program writes: every update
// and removal reads back at once and after the text is written out and read
// again; every other entry keeps its value, and a text without updates is
// written out byte for byte as it came.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "text/ini_text.h"

namespace {

// The program's names with the variants a hand-edited file may use.
const char* const kSections[] = {"tastrix", "TASTRIX", " tastrix ", "Label_0", "label_0", "Name_Label_0",
                                 "GroupBox_Font", "Keyboard_Map_Title_Label", "new section"};
const char* const kKeys[] = {"Font.Name", "font.name", " Font.Name", "Font.Size", "Font.Color", "Font.fsBold",
                             "Shape_0", "SHAPE_0", "Shape_Back_0", "Key_Label_Vertical_Alignment", "Left"};

struct Entry {
  std::string section, key;
};

std::string nameKey(const std::string& name) {
  const size_t first = name.find_first_not_of(' '), last = name.find_last_not_of(' ');
  std::string key = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return key;
}

bool sameEntry(const Entry& a, const Entry& b) {
  return nameKey(a.section) == nameKey(b.section) && nameKey(a.key) == nameKey(b.key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  tastrix::LeadBytes leadBytes;
  if (input.ConsumeBool()) {
    for (int b = 0x81; b <= 0x9F; ++b) leadBytes.set(b);
    for (int b = 0xE0; b <= 0xFC; ++b) leadBytes.set(b);
  }
  // An update without a value removes the entry.
  std::vector<std::pair<Entry, std::optional<std::string>>> updates;
  for (int n = input.ConsumeIntegralInRange(0, 8); n > 0; --n) {
    Entry entry{input.PickValueInArray(kSections), input.PickValueInArray(kKeys)};
    std::optional<std::string> value;
    if (input.ConsumeIntegralInRange(0, 3) > 0) {
      value = input.ConsumeRandomLengthString(24);
      // A value never holds a line end or a NUL: names and numbers are one line.
      for (char& c : *value)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    updates.emplace_back(std::move(entry), std::move(value));
  }
  const std::string original = input.ConsumeRemainingBytesAsString();

  tastrix::IniText text(original, leadBytes);
  FUZZ_CHECK(tastrix::IniText(original, leadBytes).text() == original);

  std::vector<Entry> all;
  for (const char* section : kSections)
    for (const char* key : kKeys) all.push_back(Entry{section, key});
  std::vector<std::optional<std::string>> before;
  for (const Entry& e : all) before.push_back(text.value(e.section, e.key));

  for (const auto& [entry, value] : updates) {
    if (value) {
      text.set(entry.section, entry.key, *value);
      FUZZ_CHECK(text.value(entry.section, entry.key) == tastrix::fuzz::AsReadBack(*value));
    } else {
      text.remove(entry.section, entry.key);
      FUZZ_CHECK(text.value(entry.section, entry.key) == std::nullopt);
    }
  }

  const tastrix::IniText written(text.text(), leadBytes);
  for (size_t i = 0; i < all.size(); ++i) {
    const std::optional<std::string> now = text.value(all[i].section, all[i].key);
    FUZZ_CHECK(written.value(all[i].section, all[i].key) == now);
    if (now != before[i]) {
      bool updated = false;
      for (const auto& update : updates) updated = updated || sameEntry(update.first, all[i]);
      FUZZ_CHECK(updated);
    }
  }
  return 0;
}
