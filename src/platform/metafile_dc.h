#pragma once
#include <windows.h>

#include <string>

#include "platform/win32_handles.h"

namespace tastrix {

// A DC that records what is drawn into it as an enhanced metafile in
// memory, in pixels of the screen, which measures its fonts. A GDI failure
// raises "Out of system resources".
class MetafileDC {
 public:
  // frame: the picture's extent in 0.01 mm, or nullptr to have it measured;
  // description: "program\0picture\0", or none.
  MetafileDC(const RECT* frame, const std::wstring& description);
  ~MetafileDC();
  MetafileDC(const MetafileDC&) = delete;
  MetafileDC& operator=(const MetafileDC&) = delete;

  HDC get() const { return dc_; }
  // Ends the recording and gives the metafile's bytes.
  std::string finish();

 private:
  HDC dc_;
};

}  // namespace tastrix
