#pragma once
#include <string>
#include <utility>

namespace tastrix {

// Text in the system's 8-bit code page, as the files hold it: a label list
// without a byte order mark, the values of an INI file, a line to a pipe.
// Every other text of the program is UTF-8 in a std::string; this one exists
// only where a file is read or written, and never passes for UTF-8.
class CodePageText {
 public:
  CodePageText() = default;
  explicit CodePageText(std::string bytes) : bytes_(std::move(bytes)) {}

  const std::string& bytes() const { return bytes_; }

  bool operator==(const CodePageText& o) const { return bytes_ == o.bytes_; }
  bool operator!=(const CodePageText& o) const { return bytes_ != o.bytes_; }

 private:
  std::string bytes_;
};

}  // namespace tastrix
