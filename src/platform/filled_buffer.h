#pragma once
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tastrix {

// The text a Win32 call writes into a buffer of the caller's, the buffer
// grown until the text fits. `fill(buffer, size)` answers as those calls
// do: the length written when it fitted; the size it needs, or the size it
// was given, when it did not; 0 when the call failed, which gives nothing.
template <typename Fill>
std::optional<std::wstring> FilledBuffer(Fill fill) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::nullopt;
    if (n < buffer.size()) return std::wstring(buffer.data(), n);
    buffer.resize(std::max<size_t>(n + 1, buffer.size() * 2));
  }
}

}  // namespace tastrix
