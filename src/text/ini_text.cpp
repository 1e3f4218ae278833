#include "text/ini_text.h"

#include <algorithm>
#include <utility>

namespace tastrix {
namespace {

const char* const kCrLf = "\r\n";

// The profile functions count the end-of-file character as a blank too.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A name or value ends at a NUL, as the profile functions hand it on.
std::string_view untilNul(std::string_view text) { return text.substr(0, text.find('\0')); }

bool sameName(std::string_view a, std::string_view b) {
  a = untilNul(a);
  b = untilNul(b);
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of an entry line: what stands before "=", or the whole line. No
// byte of "=" or a blank follows a lead byte, so bytes can be searched.
std::string_view entryName(std::string_view line) { return trimmed(line.substr(0, line.find('='))); }

// A key without "=" has no value: the profile functions give the default
// for it, though an update writes over that line.
std::optional<std::string> entryValue(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view value = untilNul(trimmed(line.substr(equals + 1)));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

}  // namespace

IniText::IniText(std::string text, const LeadBytes& leadBytes) : text_(std::move(text)), leadBytes_(leadBytes) {
  for (size_t at = 0; at < text_.size();) {
    const size_t end = std::min(text_.find_first_of("\r\n", at), text_.size());
    size_t next = end;
    if (next < text_.size()) next += text_.compare(next, 2, kCrLf) == 0 ? 2 : 1;
    lines_.push_back(Line{at, end, next});
    at = next;
  }
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view line = content(i);
    std::string_view name;
    if (sectionHeader(line, name)) {
      sections_.push_back(Section{std::string(name), i, {}});
    } else if (!sections_.empty() && !trimmed(line).empty()) {
      sections_.back().entries.push_back(i);
      sections_.back().lastLine = i;
    }
  }
}

// A section header: "[" after leading blanks, the name running to the last
// "]" that is a character of its own, without the blanks around it.
bool IniText::sectionHeader(std::string_view line, std::string_view& name) const {
  const std::string_view text = trimmed(line);
  if (text.empty() || text.front() != '[') return false;
  size_t close = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    if (leadBytes_[static_cast<unsigned char>(text[i])])
      ++i;  // its second byte is no character of its own
    else if (text[i] == ']')
      close = i;
  }
  if (close == 0) return false;
  name = trimmed(text.substr(1, close - 1));
  return true;
}

std::string_view IniText::content(size_t line) const {
  const auto replacement = replaced_.find(line);
  if (replacement != replaced_.end()) return replacement->second;
  return std::string_view(text_).substr(lines_[line].begin, lines_[line].end - lines_[line].begin);
}

const IniText::Section* IniText::findSection(const std::string& name) const {
  const std::string_view wanted = trimmed(name);
  for (const Section& s : sections_)
    if (sameName(s.name, wanted)) return &s;
  return nullptr;
}

std::optional<size_t> IniText::findEntry(const Section& section, const std::string& key) const {
  const std::string_view wanted = trimmed(key);
  for (size_t line : section.entries)
    if (!removed_.count(line) && sameName(entryName(content(line)), wanted)) return line;
  return std::nullopt;
}

const std::vector<std::string>* IniText::addedLines(const std::string& section) const {
  if (const Section* s = findSection(section)) {
    const auto added = insertedAfter_.find(s->lastLine);
    return added == insertedAfter_.end() ? nullptr : &added->second;
  }
  for (const NewSection& s : appended_)
    if (sameName(s.name, trimmed(section))) return &s.lines;
  return nullptr;
}

std::vector<std::string>* IniText::addedLines(const std::string& section) {
  return const_cast<std::vector<std::string>*>(std::as_const(*this).addedLines(section));
}

std::optional<std::string> IniText::value(const std::string& section, const std::string& key) const {
  if (const Section* s = findSection(section))
    if (const auto line = findEntry(*s, key)) return entryValue(content(*line));
  if (const std::vector<std::string>* lines = addedLines(section))
    for (const std::string& line : *lines)
      if (sameName(entryName(line), trimmed(key))) return entryValue(line);
  return std::nullopt;
}

void IniText::set(const std::string& section, const std::string& key, const std::string& value) {
  const Section* s = findSection(section);
  if (s)
    if (const auto line = findEntry(*s, key)) {
      replaced_[*line] = std::string(entryName(content(*line))) + "=" + value;
      return;
    }
  std::vector<std::string>* lines = addedLines(section);
  if (!lines) {
    if (s) {
      lines = &insertedAfter_[s->lastLine];
    } else {
      appended_.push_back(NewSection{std::string(trimmed(section)), {}});
      lines = &appended_.back().lines;
    }
  }
  for (std::string& line : *lines)
    if (sameName(entryName(line), trimmed(key))) {
      line = std::string(entryName(line)) + "=" + value;
      return;
    }
  lines->push_back(std::string(trimmed(key)) + "=" + value);
}

void IniText::remove(const std::string& section, const std::string& key) {
  if (const Section* s = findSection(section))
    while (const auto line = findEntry(*s, key)) removed_.insert(*line);
  if (std::vector<std::string>* lines = addedLines(section))
    lines->erase(std::remove_if(lines->begin(), lines->end(),
                                [&](const std::string& line) { return sameName(entryName(line), trimmed(key)); }),
                 lines->end());
}

std::string IniText::text() const {
  std::string out;
  out.reserve(text_.size() + 1024);
  // A last line without a line end gets one only when something follows it.
  bool open = false;
  const auto newLine = [&](const std::string& line) {
    if (open) out += kCrLf;
    out.append(line).append(kCrLf);
    open = false;
  };
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (!removed_.count(i)) {
      if (open) out += kCrLf;
      out += content(i);
      out.append(text_, lines_[i].end, lines_[i].next - lines_[i].end);
      open = lines_[i].next == lines_[i].end;
    }
    const auto added = insertedAfter_.find(i);
    if (added != insertedAfter_.end())
      for (const std::string& line : added->second) newLine(line);
  }
  for (const NewSection& s : appended_) {
    newLine("[" + s.name + "]");
    for (const std::string& line : s.lines) newLine(line);
  }
  return out;
}

}  // namespace tastrix
