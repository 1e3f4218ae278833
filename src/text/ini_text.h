#pragma once
#include <bitset>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tastrix {

// The bytes that begin a two-byte character in a double-byte code page
// (Shift-JIS, GBK, Big5...), whose second byte may be any of "[\]^_`" and
// so must never be taken for one of them. None in a single-byte code page,
// UTF-8 or text converted from UTF-16.
using LeadBytes = std::bitset<256>;

// The text of an INI file, looked up and updated in memory the way the
// platform's profile functions do it: section and key names match without
// regard to ASCII case, the first matching section and key count, a new key
// goes to the end of its section and a new section to the end of the file, a
// NUL ends a name or a value, and a character of two bytes is one character.
// Every line that is not updated keeps its bytes, so a whole file can be
// rewritten once, whatever its size. The text has no byte order mark.
class IniText {
 public:
  explicit IniText(std::string text = std::string(), const LeadBytes& leadBytes = LeadBytes());

  // The value as the profile functions read it: blanks around it removed,
  // one pair of enclosing quotes dropped, cut at a NUL; nothing for a
  // missing entry.
  std::optional<std::string> value(const std::string& section, const std::string& key) const;

  void set(const std::string& section, const std::string& key, const std::string& value);
  // Removes the entry: every line of its key in the section.
  void remove(const std::string& section, const std::string& key);

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
  bool sectionHeader(std::string_view line, std::string_view& name) const;
  const Section* findSection(const std::string& name) const;
  std::optional<size_t> findEntry(const Section& section, const std::string& key) const;
  // The new lines of a section, if it has any.
  const std::vector<std::string>* addedLines(const std::string& section) const;
  std::vector<std::string>* addedLines(const std::string& section);

  std::string text_;
  LeadBytes leadBytes_;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  std::map<size_t, std::string> replaced_;                    // line -> new content
  std::set<size_t> removed_;                                  // lines dropped
  std::map<size_t, std::vector<std::string>> insertedAfter_;  // line -> new lines
  std::vector<NewSection> appended_;
};

}  // namespace tastrix
