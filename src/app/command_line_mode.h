#pragma once
#include <optional>

#include "text/export_options.h"

namespace tastrix {

// The exit codes of the command line.
constexpr int kExitWritten = 0;
constexpr int kExitBadArguments = 2;
constexpr int kExitMapUnreadable = 3;
constexpr int kExitPictureUnwritable = 4;
constexpr int kExitPrinterFailed = 4;

// Runs what the command line asks for without a window (the usage, an
// export or a print), telling the caller's console in one line, and gives the
// exit code; nothing when it asks for the window.
std::optional<int> RunCommandLine(const CommandLineRequest& request);

}  // namespace tastrix
