#include "platform/system_library.h"

#include <string>

#include "platform/core/errors.h"

namespace tastrix {

FARPROC SystemProcedure(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) {
    // From the system folder only: never a library of that name lying in
    // the current folder.
    char folder[MAX_PATH] = "";
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) module = LoadLibraryA((std::string(folder) + "\\" + library).c_str());
  }
  const FARPROC procedure = module ? GetProcAddress(module, name) : nullptr;
  if (!procedure) throw PlatformError(std::string("Cannot load ") + name + " from " + library, GetLastError());
  return procedure;
}

}  // namespace tastrix
