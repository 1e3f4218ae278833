// The label list reader fed in pieces of every size, against a plain
// reading of the format: lines end at CR LF, CR or LF, a NUL ends the text,
// only the first lines are kept, each whole.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "text/label_list_text.h"

namespace {

using Lines = std::vector<std::string>;

Lines plainReading(const std::string& text, size_t maxLines) {
  const std::string kept = text.substr(0, text.find('\0'));
  Lines lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < kept.size(); ++i) {
    const char c = kept[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < kept.size() && kept[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(line);
  if (lines.size() > maxLines) lines.resize(maxLines);
  return lines;
}

Lines readInPieces(const std::string& text, const std::vector<size_t>& pieces, size_t maxLines) {
  tastrix::LabelListSplitter splitter(maxLines);
  size_t at = 0;
  for (size_t i = 0; at < text.size() && splitter.wantsMore(); ++i) {
    const size_t size = std::min(pieces[i % pieces.size()], text.size() - at);
    splitter.feed(text.data() + at, size);
    at += size;
  }
  return splitter.finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const size_t maxLines = input.ConsumeIntegralInRange<size_t>(1, 120);
  std::vector<size_t> pieces;
  for (int i = input.ConsumeIntegralInRange(1, 4); i > 0; --i)
    pieces.push_back(input.ConsumeIntegralInRange<size_t>(1, 9));
  const std::string text = input.ConsumeRemainingBytesAsString();

  const Lines expected = plainReading(text, maxLines);
  FUZZ_CHECK(readInPieces(text, {text.size() + 1}, maxLines) == expected);
  FUZZ_CHECK(readInPieces(text, pieces, maxLines) == expected);

  // What is saved reads back as the same lines.
  tastrix::LabelListSplitter again(maxLines);
  const std::string saved = tastrix::JoinLabelListText(expected);
  again.feed(saved.data(), saved.size());
  FUZZ_CHECK(again.finish() == expected);
  return 0;
}
