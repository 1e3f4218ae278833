#pragma once
#include <string>
#include <vector>

namespace tastrix {

// Splits a command line as the Microsoft C start-up code documents it:
// blanks and tabs separate arguments; "..." groups, also inside an argument;
// 2N backslashes before a quote give N backslashes and the quote groups,
// 2N+1 give N and a literal quote; other backslashes are literal; "" inside
// a quoted part gives one quote. The first argument, the program, has its
// own rule: quotes only group, backslashes are literal. (Runtimes disagree
// only on quotes, which no file name holds.) The line is UTF-8, whose
// characters beyond ASCII never hold a blank, a quote or a backslash.
std::vector<std::string> SplitCommandLine(const std::string& line);

}  // namespace tastrix
