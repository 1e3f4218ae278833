#pragma once
#include "model/map_document.h"
#include "model/picture_layout.h"
#include "platform/core/dialogs.h"

namespace tastrix {

// The editing commands over the document and the dialogs: the label edit of
// a click, the presses that record the selected group, erasing and setting
// the labels of a group, and the fonts, colours and label alignment.
class EditCommands {
 public:
  EditCommands(MapDocument& document, IDialogs& dialogs) : document_(document), dialogs_(dialogs) {}

  // ---- Label editing and the recorded group ----
  // Records the group a press fell on: a key's group, or the map title; a
  // press on the window itself (nullptr) records none, and one on the notice
  // line leaves the last one.
  void recordPress(const PicturePiece* piece);
  PressGroup recordedGroup() const { return recordedGroup_; }
  // Opens the label box of the title (position 0) or of a key.
  void editLabel(int position);

  // ---- Erase and set, after the user's confirmation ----
  void eraseLabels(LabelGroup group);
  void setLabels(LabelGroup group);

  // ---- Fonts, colours, alignment ----
  void chooseFont(MapFont which);
  void chooseColour(MapColour which);
  void alignLabels(VerticalLayout layout);

 private:
  MapDocument& document_;
  IDialogs& dialogs_;
  PressGroup recordedGroup_ = PressGroup::None;
};

}  // namespace tastrix
