#pragma once
#include <string>

#include "model/picture_layout.h"

struct HWND__;  // the platform's window handle, declared without its header

namespace tastrix {

// Kept while a capture moves the window: input queued meanwhile was aimed at
// the view the user saw and is ignored, and a close request waits.
struct CaptureState {
  bool running = false;
  bool closeRequested = false;
};

// What the feature commands may do with the main window.
class IAppWindow {
 public:
  virtual ~IAppWindow() = default;

  virtual HWND__* handle() const = 0;
  virtual std::string caption() const = 0;
  virtual void setCaption(const std::string& text) = 0;
  virtual int clientWidth() const = 0;
  virtual int clientHeight() const = 0;  // without the horizontal scroll bar
  virtual void setClientSize(int width, int height) = 0;
  virtual int scrollPosition() const = 0;
  virtual void setScrollPosition(int position) = 0;  // clamped to 0 .. range - client width
  virtual void processMessages() = 0;
  virtual CaptureState& captureState() = 0;
  // The picture's geometry as the window lays it out for its monitor's dpi.
  virtual const PictureLayout& layout() const = 0;
};

}  // namespace tastrix
