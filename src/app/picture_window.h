#pragma once
#include <string>
#include <vector>

#include "platform/core/app_window.h"

namespace tastrix {

// What the main window offers the application beyond what the features may
// do with it: the picture drawn anew after a command, and its own keeping of
// its size while the start-up places it.
class IPictureWindow : public IAppWindow {
 public:
  // The label texts in label order, as screen readers are told them.
  virtual std::vector<std::string> labelTexts() const = 0;
  // After a command: the picture is drawn anew and screen readers hear of
  // every label that differs from before.
  virtual void showChanges(const std::vector<std::string>& labelsBefore) = 0;
  virtual int normalClientHeight() const = 0;  // kept while minimized or maximized
  // While the start-up places the window, a dpi change keeps its size.
  virtual void setPlacing(bool placing) = 0;
};

}  // namespace tastrix
