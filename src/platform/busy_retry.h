#pragma once
#include <windows.h>

#include <initializer_list>

namespace tastrix {

// How long a file or the clipboard that another program holds for a moment
// (a virus scanner, the search indexer, a sync client, a clipboard manager)
// is waited for before the attempt counts as failed.
constexpr DWORD kBusyFileWaitMs = 500;
constexpr DWORD kBusyClipboardWaitMs = 200;

// Runs an attempt (true on success, the reason in GetLastError() otherwise)
// again while it fails with one of the given errors, for up to waitMs. The
// last error stays that of the last attempt.
template <typename Attempt>
bool RetryWhileBusy(DWORD waitMs, std::initializer_list<DWORD> busyErrors, Attempt attempt) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (attempt()) return true;
    const DWORD error = GetLastError();
    bool busy = busyErrors.size() == 0;
    for (const DWORD e : busyErrors) busy = busy || e == error;
    if (!busy || GetTickCount() - start >= waitMs) {
      SetLastError(error);
      return false;
    }
    Sleep(20);
  }
}

// A file another program holds: opened without the sharing asked for, or
// (on Windows) not yet let go after being written or deleted.
constexpr std::initializer_list<DWORD> kFileHeld = {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION, ERROR_ACCESS_DENIED};
// A file open for writing elsewhere while it is read.
constexpr std::initializer_list<DWORD> kFileBeingWritten = {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION};

}  // namespace tastrix
