#include "text/path_text.h"

namespace tastrix {
namespace {

const std::string kMarker("\x01\x02\x03\x04\x05\x01", 6);

// Replaces the first occurrence again and again. Text before a replacement
// holds no occurrence, so each search resumes just before the last one.
std::string replaceRepeatedly(std::string text, const std::string& find, const std::string& replacement) {
  size_t from = 0;
  for (;;) {
    const size_t at = text.find(find, from);
    if (at == std::string::npos) return text;
    text.replace(at, find.size(), replacement);
    from = at >= find.size() - 1 ? at - (find.size() - 1) : 0;
  }
}

std::string replaceOnce(const std::string& text, const std::string& find, const std::string& replacement) {
  std::string out;
  size_t from = 0;
  for (size_t at; (at = text.find(find, from)) != std::string::npos; from = at + find.size())
    out.append(text, from, at - from).append(replacement);
  return out.append(text, from, std::string::npos);
}

// Where the final name begins as Windows finds it: after the last "\\", "/" or ":".
size_t finalNameStart(const std::string& path) {
  const size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replacement) {
  if (text.empty() || find.empty()) return text;
  if (replacement.find(find) == std::string::npos) return replaceRepeatedly(text, find, replacement);
  // A find text that is part of the marker would loop forever: one plain
  // left-to-right pass gives the same result in that case.
  if (kMarker.find(find) != std::string::npos) return replaceOnce(text, find, replacement);
  return replaceRepeatedly(replaceRepeatedly(text, find, kMarker), kMarker, replacement);
}

std::string DirectoryPart(const std::string& path) {
  const size_t at = path.find_last_of("\\:");
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string FileNamePart(const std::string& path) { return path.substr(DirectoryPart(path).size()); }

std::string ExtensionOf(const std::string& path) {
  const std::string name = FileNamePart(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string FileTitle(const std::string& path) {
  const std::string name = FileNamePart(path);
  return ReplaceAll(name, ExtensionOf(name), "");
}

bool IsFullyQualifiedPath(const std::string& path) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  const bool drive = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
                     path[1] == ':' && separator(path[2]);
  return drive || (path.size() >= 2 && separator(path[0]) && separator(path[1]));
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) { return UpperAscii(a) == UpperAscii(b); }

std::string UpperExtension(const std::string& name) { return UpperAscii(ExtensionOf(name)); }

std::string WithoutTrailingDotsAndBlanks(const std::string& path) {
  const size_t nameStart = finalNameStart(path);
  size_t end = path.size();
  while (end > nameStart && (path[end - 1] == '.' || path[end - 1] == ' ')) --end;
  return end == nameStart ? path : path.substr(0, end);
}

bool NamesADevice(const std::string& path) {
  if (path.compare(0, 4, "\\\\.\\") == 0 || path.compare(0, 4, "//./") == 0) return true;
  // The final name follows the last separator, or a drive ("C:com1.zv");
  // a ":" inside it names a stream of the file before it ("COM1:x.zv").
  const size_t separator = path.find_last_of("\\/");
  size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  if (nameStart == 0 && path.size() >= 2 && path[1] == ':') nameStart = 2;
  std::string base = path.substr(nameStart, path.find_first_of(".:", nameStart) - nameStart);
  while (!base.empty() && base.back() == ' ') base.pop_back();
  base = UpperAscii(base);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (base == device) return true;
  if (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0) return false;
  const std::string number = base.substr(3);
  // The superscript digits in UTF-8.
  return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
         number == "\xC2\xB2" || number == "\xC2\xB3";
}

std::string NormaliseDirectory(const std::string& path) {
  if (path.empty() || path == "\\" || path == ".." || path == "." || path == ".\\" || path == "..\\")
    return std::string();
  size_t first = 0, last = path.size();
  while (first < last && static_cast<unsigned char>(path[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(path[last - 1]) <= ' ') --last;
  const std::string trimmed = path.substr(first, last - first);
  // A network or device path keeps its leading "\\"; collapsing it would
  // name a folder on the current drive instead.
  const bool network = trimmed.compare(0, 2, "\\\\") == 0;
  const std::string collapsed = ReplaceAll(trimmed + "\\", "\\\\", "\\");
  return network ? "\\" + collapsed : collapsed;
}

}  // namespace tastrix
