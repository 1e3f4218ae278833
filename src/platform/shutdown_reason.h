#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// When Windows ends the session, a program that keeps it waiting is listed on
// a screen of its own, which hides the program's windows. While this object
// lives, that screen gives the reason beside the window.
class ShutdownBlockReason {
 public:
  ShutdownBlockReason(HWND window, const std::string& reason);  // reason in UTF-8
  ~ShutdownBlockReason();
  ShutdownBlockReason(const ShutdownBlockReason&) = delete;
  ShutdownBlockReason& operator=(const ShutdownBlockReason&) = delete;

 private:
  HWND window_;
};

// The platform functions the reason goes through. Wine shows no such screen
// and only stubs them, so tests put functions of their own in their place;
// the previous ones come back.
struct ShutdownReasonFunctions {
  BOOL(WINAPI* create)(HWND, LPCWSTR);
  BOOL(WINAPI* destroy)(HWND);
};
ShutdownReasonFunctions replaceShutdownReasonFunctions(const ShutdownReasonFunctions& functions);

}  // namespace tastrix
