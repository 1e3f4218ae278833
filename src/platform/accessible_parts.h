#pragma once
#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>

namespace tastrix {

// What the accessible object of a custom-painted window asks of the window.
// Its parts are simple elements numbered 1..partCount(); 0 is no part.
class IAccessibleParts {
 public:
  virtual HWND window() const = 0;
  virtual int partCount() const = 0;
  virtual std::string partName(int part) const = 0;
  virtual std::string partValue(int part) const = 0;
  virtual std::string partDescription(int part) const = 0;  // empty: none
  virtual long partRole(int part) const = 0;
  virtual std::string partDefaultAction(int part) const = 0;
  virtual RECT partRect(int part) const = 0;  // client coordinates
  virtual int partAt(POINT client) const = 0;
  virtual int partBeside(int part, long navDir) const = 0;  // NAVDIR_LEFT..DOWN
  // False while the window cannot act on its parts (a modal box is open):
  // they are unavailable and their default action fails.
  virtual bool partsAvailable() const = 0;
  virtual int focusedPart() const = 0;
  virtual void focusPart(int part) = 0;
  // Must return at once: the caller may be a screen reader in another process
  // waiting on the call, and the action may open a modal box.
  virtual void requestDefaultAction(int part) = 0;

 protected:
  ~IAccessibleParts() = default;
};

// Shared by the window and every accessible object it handed out. The window
// clears `parts` when it goes; objects a client still holds then answer
// CO_E_OBJNOTCONNECTED instead of reaching a window that is gone.
struct AccessLink {
  IAccessibleParts* parts = nullptr;
};

// The answer to WM_GETOBJECT: a new accessible object for OBJID_CLIENT.
// False when the request is for another object (DefWindowProc answers then).
bool answerGetObject(const std::shared_ptr<AccessLink>& link, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Tells accessibility clients that a part took the focus or changed its value.
void announceFocus(HWND window, int part);
void announceValueChange(HWND window, int part);

}  // namespace tastrix
