#include "text/command_line.h"

namespace tastrix {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The program's path cannot hold a quote, so quotes there only group.
std::string programName(const std::string& line, size_t& i) {
  std::string program;
  bool quoted = false;
  for (; i < line.size() && (quoted || !isBlank(line[i])); ++i) {
    if (line[i] == '"')
      quoted = !quoted;
    else
      program += line[i];
  }
  return program;
}

std::string argument(const std::string& line, size_t& i) {
  std::string text;
  bool quoted = false;
  const size_t n = line.size();
  while (i < n && (quoted || !isBlank(line[i]))) {
    size_t backslashes = 0;
    for (; i < n && line[i] == '\\'; ++i) ++backslashes;
    if (i < n && line[i] == '"') {
      text.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        text += '"';
        ++i;
      } else if (quoted && i + 1 < n && line[i + 1] == '"') {
        text += '"';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
      continue;
    }
    text.append(backslashes, '\\');
    if (i < n && (quoted || !isBlank(line[i]))) text += line[i++];
  }
  return text;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  size_t i = 0;
  std::vector<std::string> arguments{programName(line, i)};
  for (;;) {
    while (i < line.size() && isBlank(line[i])) ++i;
    if (i >= line.size()) return arguments;
    arguments.push_back(argument(line, i));
  }
}

}  // namespace tastrix
