#pragma once
#include <functional>
#include <string>
#include <vector>

#include "model/map_document.h"
#include "model/picture_layout.h"

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
  virtual MapDocument& document() = 0;
  // The group the last press recorded, which chooses the context menu's items.
  virtual PressGroup recordedGroup() const = 0;
  // Whether the menu item of a command shows a check mark.
  virtual bool checked(int commandId) const = 0;
  // A modal box or the context menu is open: nothing that could open another is acted on.
  virtual bool boxOpen() const = 0;
  // Counts a modal loop that is no dialog (the context menu) as an open box while it runs.
  virtual void runModalLoop(const std::function<void()>& loop) = 0;
  virtual void menuCommand(int id) = 0;
  virtual void pressOn(const PicturePiece* piece) = 0;  // nullptr: the window itself
  virtual void clickOn(const PicturePiece& piece) = 0;  // a press and a release on the same piece
  virtual void dropFiles(const std::vector<std::string>& paths) = 0;  // dropped on the window from Explorer
  // Whether the window may close: the settings are written and unsaved
  // changes are asked about. When Windows ends the session, it is told why
  // the question waits.
  virtual bool mayClose(Closing closing) = 0;

 protected:
  ~IPictureCommands() = default;
};

}  // namespace tastrix
