#pragma once
#include <windows.h>

namespace tastrix {

// The address of a function of a system library, which is loaded on the
// first call and stays loaded. Raises an error when either is missing.
FARPROC SystemProcedure(const char* library, const char* name);

// The same, typed as the function its declaration describes. The libraries
// below are loaded so, when first needed, rather than at start-up.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcedure(library, name)));
}

// The common dialog library brings the shell and the common controls with
// it: megabytes of memory and part of the start-up time, which a run that
// opens no dialog never needs.
constexpr const char* kCommonDialogs = "comdlg32.dll";

// The shell is as heavy to load: it is needed only once a map is dropped on
// the window or a map becomes a recent document.
constexpr const char* kShell = "shell32.dll";

// Uniscribe draws what GDI cannot (characters beyond the first 65536, which
// take two 16-bit units), for the few labels whose font lacks a character:
// loaded when one first does.
constexpr const char* kUniscribe = "usp10.dll";

// The print spooler: a run that prints nothing never pays for it.
constexpr const char* kPrintSpooler = "winspool.drv";

}  // namespace tastrix
