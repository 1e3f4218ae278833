// The path helpers against the rules written out step by step: ReplaceAll
// searching from the start after every replacement, through the marker text
// when the replacement holds what is searched for; the directory, name,
// extension and title of a path; folder paths trimmed and collapsed.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>

#include "fuzz_support.h"
#include "text/path_text.h"

namespace {

const std::string kMarker("\x01\x02\x03\x04\x05\x01", 6);

// Gives up (nothing) after a number of replacements no path comes near.
std::optional<std::string> replaceFromTheStart(std::string text, const std::string& find,
                                               const std::string& replacement) {
  for (int step = 0; step < 4096; ++step) {
    const size_t at = text.find(find);
    if (at == std::string::npos) return text;
    text.erase(at, find.size());
    text.insert(at, replacement);
  }
  return std::nullopt;
}

std::optional<std::string> replaceAll(const std::string& text, const std::string& find,
                                      const std::string& replacement) {
  if (text.empty() || find.empty()) return text;
  if (replacement.find(find) == std::string::npos) return replaceFromTheStart(text, find, replacement);
  if (kMarker.find(find) != std::string::npos) {
    // The program's own rule for a find text inside the marker: one pass.
    std::string out;
    size_t from = 0;
    for (size_t at; (at = text.find(find, from)) != std::string::npos; from = at + find.size())
      out += text.substr(from, at - from) + replacement;
    return out + text.substr(from);
  }
  const std::optional<std::string> marked = replaceFromTheStart(text, find, kMarker);
  return marked ? replaceFromTheStart(*marked, kMarker, replacement) : std::nullopt;
}

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return text;
}

std::string normalised(const std::string& path) {
  for (const char* special : {"", "\\", "..", ".", ".\\", "..\\"})
    if (path == special) return std::string();
  size_t first = 0, last = path.size();
  while (first < last && static_cast<unsigned char>(path[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(path[last - 1]) <= ' ') --last;
  const std::string trimmed = path.substr(first, last - first);
  std::string collapsed;
  for (const char c : trimmed + "\\")
    if (c != '\\' || collapsed.empty() || collapsed.back() != '\\') collapsed += c;
  return trimmed.rfind("\\\\", 0) == 0 ? "\\" + collapsed : collapsed;
}

void checkPath(const std::string& path) {
  size_t split = path.size();
  while (split > 0 && path[split - 1] != '\\' && path[split - 1] != ':') --split;
  const std::string directory = path.substr(0, split), name = path.substr(split);
  FUZZ_CHECK(tastrix::DirectoryPart(path) == directory);
  FUZZ_CHECK(tastrix::FileNamePart(path) == name);

  const size_t dot = name.rfind('.');
  const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
  FUZZ_CHECK(tastrix::ExtensionOf(path) == extension);
  FUZZ_CHECK(tastrix::UpperExtension(path) == upper(extension));
  FUZZ_CHECK(tastrix::EqualsIgnoringAsciiCase(tastrix::UpperExtension(path), ".ZV") == (upper(extension) == ".ZV"));
  FUZZ_CHECK(tastrix::FileTitle(path) == replaceAll(name, extension, ""));
  FUZZ_CHECK(tastrix::NormaliseDirectory(path) == normalised(path));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string find = input.ConsumeRandomLengthString(8);
  const std::string replacement = input.ConsumeRandomLengthString(12);
  const std::string text = input.ConsumeRandomLengthString(256);
  const std::string path = input.ConsumeRemainingBytesAsString();

  const std::optional<std::string> replaced = replaceAll(text, find, replacement);
  if (replaced) FUZZ_CHECK(tastrix::ReplaceAll(text, find, replacement) == *replaced);
  checkPath(path);
  checkPath(text);
  return 0;
}
