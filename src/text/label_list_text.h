#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace tastrix {

// Splits label list text fed in pieces into lines: at CR LF, a CR alone or an
// LF alone; a last line without a line end counts, a NUL ends the text.
// Only the first maxLines lines are kept, each whole however long it is, so
// reading can stop as soon as wantsMore() turns false.
class LabelListSplitter {
 public:
  explicit LabelListSplitter(size_t maxLines) : maxLines_(maxLines) {}

  void feed(const char* data, size_t size);
  bool wantsMore() const { return !ended_ && lines_.size() < maxLines_; }
  // Ends the text and hands over the lines.
  std::vector<std::string> finish();

 private:
  void endLine();

  size_t maxLines_;
  std::vector<std::string> lines_;
  std::string current_;
  bool lineOpen_ = false;   // characters seen since the last line end
  bool afterCR_ = false;    // an LF next belongs to the CR before it
  bool ended_ = false;      // NUL seen or enough lines
};

// The whole text of a label list file: every line followed by CR LF.
template <typename Lines>
std::string JoinLabelListText(const Lines& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace tastrix
