#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tastrix {

// The text of an INI file, looked up and updated in memory the way the
// platform's profile functions do it: section and key names match without
// regard to ASCII case, the first matching section and key count, a new key
// goes to the end of its section and a new section to the end of the file.
// Every line that is not updated keeps its bytes, so a whole file can be
// rewritten once, whatever its size.
class IniText {
 public:
  explicit IniText(std::string text = std::string());

  // The value as the profile functions read it: blanks around it removed,
  // one pair of enclosing quotes dropped; nothing for a missing entry.
  std::optional<std::string> value(const std::string& section, const std::string& key) const;

  void set(const std::string& section, const std::string& key, const std::string& value);

  // The whole text with every update in place; new lines end in CR LF.
  std::string text() const;

 private:
  struct Line {
    size_t begin, end, next;  // content [begin, end); the next line starts at next
  };
  struct Section {
    std::string name;
    size_t lastLine;  // where a new key goes after: the header or its last non-blank line
    std::vector<size_t> entries;
  };
  struct NewSection {
    std::string name;
    std::vector<std::string> lines;
  };

  std::string_view content(size_t line) const;  // with its update, if any
  const Section* findSection(const std::string& name) const;
  std::optional<size_t> findEntry(const Section& section, const std::string& key) const;

  std::string text_;
  size_t markLength_;  // of a UTF-8 byte order mark, which the profile functions skip
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  std::map<size_t, std::string> replaced_;                 // line -> new content
  std::map<size_t, std::vector<std::string>> insertedAfter_;  // line -> new lines
  std::vector<NewSection> appended_;
};

// Whether a text starts with a byte order mark of UTF-16, which the profile
// functions read as 16-bit text: such a file cannot be updated byte by byte.
bool IsUtf16Text(const std::string& text);

}  // namespace tastrix
