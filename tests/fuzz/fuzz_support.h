#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

// A property that does not hold is a finding: libFuzzer keeps the input that
// broke it.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

namespace tastrix::fuzz {

// A value written into an INI file as the profile functions give it back:
// blanks around it dropped, then one pair of enclosing quotes.
inline std::string AsReadBack(const std::string& value) {
  const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; };
  size_t first = 0, last = value.size();
  while (first < last && blank(value[first])) ++first;
  while (last > first && blank(value[last - 1])) --last;
  std::string kept = value.substr(first, last - first);
  if (kept.size() >= 2 && (kept[0] == '"' || kept[0] == '\'') && kept.back() == kept[0])
    kept = kept.substr(1, kept.size() - 2);
  return kept;
}

}  // namespace tastrix::fuzz
