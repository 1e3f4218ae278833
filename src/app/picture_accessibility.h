#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/picture_commands.h"
#include "platform/accessible_parts.h"
#include "platform/com_ref.h"
#include "platform/core/app_window.h"

namespace tastrix {

class PictureKeys;

// The picture as screen readers read it: its parts are the map title and the
// 101 keys, in label order (part = stop + 1), each a push button named by its
// legend, valued by its label and described by its group's caption.
class PictureAccessibility final : public IAccessibleParts {
 public:
  PictureAccessibility(IAppWindow& window, IPictureCommands& commands, PictureKeys& keys);
  ~PictureAccessibility();
  PictureAccessibility(const PictureAccessibility&) = delete;
  PictureAccessibility& operator=(const PictureAccessibility&) = delete;

  bool answer(WPARAM wParam, LPARAM lParam, LRESULT& result);  // WM_GETOBJECT
  void disconnect();  // the window is going: objects clients hold answer that they are cut off
  void focusMoved(int stop) const;
  // The label texts in label order, and the events for those that differ now.
  std::vector<std::string> labelTexts() const;
  void announceChangedLabels(const std::vector<std::string>& before) const;

  HWND window() const override;
  int partCount() const override;
  std::string partName(int part) const override;
  std::string partValue(int part) const override;
  std::string partDescription(int part) const override;
  long partRole(int part) const override;
  std::string partDefaultAction(int part) const override;
  RECT partRect(int part) const override;
  int partAt(POINT client) const override;
  int partBeside(int part, long navDir) const override;
  bool partsAvailable() const override;
  int focusedPart() const override;
  void focusPart(int part) override;
  void requestDefaultAction(int part) override;

 private:
  // Screen readers may call in from other processes, which COM carries to this
  // thread. Joined when the first one asks: a run without one never loads COM.
  std::optional<ComScope> apartment_;
  IAppWindow& window_;
  IPictureCommands& commands_;
  PictureKeys& keys_;
  std::shared_ptr<AccessLink> link_;
};

}  // namespace tastrix
