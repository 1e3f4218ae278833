#pragma once
#include <windows.h>

#include <string>

namespace tastrix::testing {

struct WindowSearch {
  DWORD processId;
  std::string className;
  HWND found;
};

// The first visible top-level window of the process with the class name.
inline BOOL CALLBACK matchProcessWindow(HWND window, LPARAM search) {
  auto* s = reinterpret_cast<WindowSearch*>(search);
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != s->processId || s->className != className || !IsWindowVisible(window)) return TRUE;
  s->found = window;
  return FALSE;
}

}  // namespace tastrix::testing
