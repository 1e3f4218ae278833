#include "text/export_options.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

#include "text/path_text.h"

namespace tastrix {
namespace {

enum class SwitchName { Export, Scale, Print, Printer, Help };
constexpr std::size_t kSwitchNames = 5;

struct Switch {
  const char* name;
  SwitchName which;
  int values;  // arguments that follow the switch and belong to it
};

const Switch kSwitches[] = {
    {"export", SwitchName::Export, 2},
    {"scale", SwitchName::Scale, 1},
    {"print", SwitchName::Print, 1},
    {"printer", SwitchName::Printer, 1},
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

  std::array<bool, kSwitchNames> seen{};
  for (size_t i = 0; i < arguments.size(); ++i) {
    const Switch* s = switchOf(arguments[i]);
    if (!s) {
      if (looksLikeSwitch(arguments[i])) return bad("unknown switch \"" + arguments[i] + "\"");
      return bad("unexpected argument \"" + arguments[i] + "\"");
    }
    bool& given = seen[static_cast<size_t>(s->which)];
    if (given) return bad(std::string("/") + s->name + " is given twice");
    given = true;
    // The values end at the next switch: "/export /scale 2" names no files.
    size_t values = 0;
    while (values < static_cast<size_t>(s->values) && i + 1 + values < arguments.size() &&
           !switchOf(arguments[i + 1 + values]))
      ++values;
    const bool complete = values == static_cast<size_t>(s->values) &&
                          std::none_of(arguments.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                       arguments.begin() + static_cast<std::ptrdiff_t>(i + 1 + values),
                                       [](const std::string& v) { return v.empty(); });
    switch (s->which) {
      case SwitchName::Scale:
        if (values < 1) return bad(scaleProblem(nullptr));
        request.picture.scale = scaleOf(arguments[i + 1]);
        if (request.picture.scale == 0) return bad(scaleProblem(&arguments[i + 1]));
        break;
      case SwitchName::Export:
        if (!complete) return bad("/export needs a map file and a picture file");
        request.picture.mapPath = arguments[i + 1];
        request.picture.picturePath = arguments[i + 2];
        break;
      case SwitchName::Print:
        if (!complete) return bad("/print needs a map file");
        request.print.mapPath = arguments[i + 1];
        break;
      case SwitchName::Printer:
        if (!complete) return bad("/printer needs the name of a printer");
        request.print.printer = arguments[i + 1];
        break;
      case SwitchName::Help: break;
    }
    i += values;
  }
  const auto given = [&](SwitchName name) { return seen[static_cast<size_t>(name)]; };
  if (given(SwitchName::Print)) {
    if (given(SwitchName::Export)) return bad("/print and /export cannot be given together");
    if (given(SwitchName::Scale)) return bad("/scale is for /export, not for /print");
    request.action = CommandLineRequest::Action::Print;
    return request;
  }
  if (given(SwitchName::Printer)) return bad("/printer needs /print MAP.zv");
  if (!given(SwitchName::Export)) return bad("/scale needs /export MAP.zv OUT.bmp");
  const PictureFormat format = PictureFormatOf(request.picture.picturePath);
  if (given(SwitchName::Scale) && (format == PictureFormat::Emf || format == PictureFormat::Svg))
    return bad("/scale does not apply to a vector picture (.emf, .svg): it has no pixels to scale");
  request.action = CommandLineRequest::Action::Export;
  return request;
}

PictureFormat PictureFormatOf(const std::string& path) {
  const struct {
    const char* extension;
    PictureFormat format;
  } formats[] = {{".png", PictureFormat::Png}, {".emf", PictureFormat::Emf}, {".svg", PictureFormat::Svg}};
  for (const auto& f : formats)
    if (EqualsIgnoringAsciiCase(ExtensionOf(path), f.extension)) return f.format;
  return PictureFormat::Bitmap;
}

}  // namespace tastrix
