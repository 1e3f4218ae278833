#pragma once
#include <functional>

#include "model/form_model.h"

namespace tastrix {

// Runs a piece of the user's input as a command: never while a box is open; a
// platform error ends in the general error box, and the window shows what the
// command changed.
class ICommandRunner {
 public:
  virtual void runCommand(const std::function<void()>& command) = 0;

 protected:
  ~ICommandRunner() = default;
};

// Why the window is asked whether it may close.
enum class Closing { Window, Session };

// What the application offers the main window: the document it draws and
// hit-tests, the commands its menus, mouse and keys start, and the answer to
// a close request.
class IPictureCommands {
 public:
  virtual FormModel& document() = 0;
  // A modal box or the context menu is open: nothing that could open another is acted on.
  virtual bool boxOpen() const = 0;
  // Counts a modal loop that is no dialog (the context menu) as an open box while it runs.
  virtual void runModalLoop(const std::function<void()>& loop) = 0;
  virtual void menuCommand(int id) = 0;
  virtual void pressOn(int component) = 0;  // -1: the window itself
  virtual void clickOn(int component) = 0;  // a press and a release on the same component
  // Whether the window may close: the settings are written and unsaved
  // changes are asked about. When Windows ends the session, it is told why
  // the question waits.
  virtual bool mayClose(Closing closing) = 0;

 protected:
  ~IPictureCommands() = default;
};

}  // namespace tastrix
