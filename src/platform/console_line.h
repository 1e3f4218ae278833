#pragma once
#include <string>

namespace tastrix {

enum class ConsoleStream { Output, Error };

// Prints one line of UTF-8 text (CR LF added) for whoever started this
// windowed program from a command line: to its inherited standard output or
// error when it has one (a console, a file, a pipe), else to the console of
// the process that started it. False when there is neither, as when started
// from Explorer.
bool printCallerLine(const std::string& text, ConsoleStream stream);

}  // namespace tastrix
