#pragma once
#include <windows.h>

namespace tastrix {

// The address of a function of a system library, which is loaded on the
// first call and stays loaded. Raises an error when either is missing.
FARPROC SystemProcedure(const char* library, const char* name);

// The common dialog library brings the shell and the common controls with
// it: megabytes of memory and part of the start-up time, which a run that
// opens no dialog never needs. Its functions are looked up when first used.
template <typename Function>
Function CommonDialogFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcedure("comdlg32.dll", name)));
}

// The shell is as heavy to load: it is needed only once a map is dropped on
// the window or a map becomes a recent document.
template <typename Function>
Function ShellFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcedure("shell32.dll", name)));
}

// Uniscribe draws what GDI cannot (characters beyond the first 65536, which
// take two 16-bit units), for the few labels whose font lacks a character:
// loaded when one first does.
template <typename Function>
Function UniscribeFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcedure("usp10.dll", name)));
}

}  // namespace tastrix
