#include "app/command_line_mode.h"

#include "app/picture_export.h"
#include "platform/console_line.h"

namespace tastrix {
namespace {

const char* const kUsage[] = {
    "Usage: tastrix /export MAP.zv OUT.bmp [/scale N]",
    "       tastrix /print MAP.zv [/printer NAME]",
    "Writes the keyboard picture of the map MAP.zv (with its labels from MAP.zvl) to OUT",
    "without opening a window: as PNG when OUT ends in .png, as a vector picture when it ends",
    "in .emf (enhanced metafile) or .svg, otherwise as a Windows bitmap.",
    "/scale N draws it N times as large (N from 1 to 8, default 1), for 96 x N dots per inch.",
    "/print prints the map on one page of the default printer, or of the printer NAME.",
    "Switches may also begin with - or --. Exit codes: 0 written or printed, 2 bad arguments,",
    "3 the map cannot be read, 4 the picture cannot be written or the printer failed.",
};

void tell(const std::string& text, ConsoleStream stream) { printCallerLine("tastrix: " + text, stream); }

// The failure's line, and its exit code.
int failed(const ExportFailure& failure) {
  tell(failure.what(), ConsoleStream::Error);
  switch (failure.kind()) {
    case ExportFailure::Kind::Clash: return kExitBadArguments;
    case ExportFailure::Kind::MapUnreadable: return kExitMapUnreadable;
    case ExportFailure::Kind::PrinterFailed: return kExitPrinterFailed;
    case ExportFailure::Kind::PictureUnwritable: break;
  }
  return kExitPictureUnwritable;
}

int exportPicture(const ExportRequest& request) {
  try {
    const ExportedPicture picture = ExportPicture(request);
    tell("wrote \"" + picture.path + "\", " + std::to_string(picture.width) + " x " +
             std::to_string(picture.height) + " pixels at " + std::to_string(picture.dpi) + " dpi",
         ConsoleStream::Output);
    return kExitWritten;
  } catch (const ExportFailure& failure) {
    return failed(failure);
  }
}

int printMap(const PrintRequest& request) {
  try {
    const PrintedMap printed = PrintMapFile(request);
    tell("printed \"" + printed.mapPath + "\" on \"" + printed.printer + "\"", ConsoleStream::Output);
    return kExitWritten;
  } catch (const ExportFailure& failure) {
    return failed(failure);
  }
}

}  // namespace

std::optional<int> RunCommandLine(const CommandLineRequest& request) {
  switch (request.action) {
    case CommandLineRequest::Action::OpenWindow:
      return std::nullopt;
    case CommandLineRequest::Action::ShowUsage:
      for (const char* line : kUsage) printCallerLine(line, ConsoleStream::Output);
      return kExitWritten;
    case CommandLineRequest::Action::BadArguments:
      tell(request.problem + " (tastrix /? shows the usage)", ConsoleStream::Error);
      return kExitBadArguments;
    case CommandLineRequest::Action::Export:
      return exportPicture(request.picture);
    case CommandLineRequest::Action::Print:
      return printMap(request.print);
  }
  return kExitBadArguments;
}

}  // namespace tastrix
