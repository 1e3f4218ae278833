#include "text/export_options.h"

#include <algorithm>
#include <iterator>

#include "text/path_text.h"

namespace tastrix {
namespace {

enum class SwitchName { Export, Scale, Help };

struct Switch {
  const char* name;
  SwitchName which;
  int values;  // arguments that follow the switch and belong to it
};

const Switch kSwitches[] = {
    {"export", SwitchName::Export, 2},
    {"scale", SwitchName::Scale, 1},
    {"?", SwitchName::Help, 0},
    {"help", SwitchName::Help, 0},
};

// Longest prefix first, so that "--export" is not read as "-" and "-export".
const char* const kPrefixes[] = {"--", "-", "/"};

const Switch* switchOf(const std::string& argument) {
  for (const char* prefix : kPrefixes) {
    const std::string p = prefix;
    if (argument.compare(0, p.size(), p) != 0) continue;
    const std::string name = argument.substr(p.size());
    for (const Switch& s : kSwitches)
      if (EqualsIgnoringAsciiCase(name, s.name)) return &s;
    return nullptr;
  }
  return nullptr;
}

bool looksLikeSwitch(const std::string& argument) {
  return argument.size() > 1 && (argument[0] == '/' || argument[0] == '-');
}

std::string scaleProblem(const std::string* given) {
  std::string text = "/scale needs a whole number from 1 to " + std::to_string(kLargestExportScale);
  return given ? text + ", not \"" + *given + "\"" : text;
}

// A scale written as plain digits; 0 for anything else.
int scaleOf(const std::string& text) {
  if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  const int scale = std::stoi(text);
  return scale <= kLargestExportScale ? scale : 0;
}

CommandLineRequest bad(std::string problem) {
  CommandLineRequest request;
  request.action = CommandLineRequest::Action::BadArguments;
  request.problem = std::move(problem);
  return request;
}

}  // namespace

CommandLineRequest ReadCommandLine(const std::vector<std::string>& arguments) {
  CommandLineRequest request;
  if (std::none_of(arguments.begin(), arguments.end(), [](const std::string& a) { return switchOf(a) != nullptr; })) {
    std::copy_if(arguments.begin(), arguments.end(), std::back_inserter(request.maps),
                 [](const std::string& a) { return !a.empty() && !looksLikeSwitch(a); });
    return request;
  }
  for (const std::string& a : arguments) {
    const Switch* s = switchOf(a);
    if (s && s->which == SwitchName::Help) {
      request.action = CommandLineRequest::Action::ShowUsage;
      return request;
    }
  }

  bool exportSeen = false, scaleSeen = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const Switch* s = switchOf(arguments[i]);
    if (!s) {
      if (looksLikeSwitch(arguments[i])) return bad("unknown switch \"" + arguments[i] + "\"");
      return bad("unexpected argument \"" + arguments[i] + "\"");
    }
    bool& seen = s->which == SwitchName::Export ? exportSeen : scaleSeen;
    if (seen) return bad(std::string("/") + s->name + " is given twice");
    seen = true;
    // The values end at the next switch: "/export /scale 2" names no files.
    size_t values = 0;
    while (values < static_cast<size_t>(s->values) && i + 1 + values < arguments.size() &&
           !switchOf(arguments[i + 1 + values]))
      ++values;
    if (s->which == SwitchName::Scale) {
      if (values < 1) return bad(scaleProblem(nullptr));
      request.picture.scale = scaleOf(arguments[i + 1]);
      if (request.picture.scale == 0) return bad(scaleProblem(&arguments[i + 1]));
    } else {
      if (values < 2 || arguments[i + 1].empty() || arguments[i + 2].empty())
        return bad("/export needs a map file and a picture file");
      request.picture.mapPath = arguments[i + 1];
      request.picture.picturePath = arguments[i + 2];
    }
    i += values;
  }
  if (!exportSeen) return bad("/scale needs /export MAP.zv OUT.bmp");
  request.action = CommandLineRequest::Action::Export;
  return request;
}

}  // namespace tastrix
