#pragma once
#include "model/form_model.h"
#include "platform/core/dialogs.h"

namespace tastrix {

// The editing commands over the document and the dialogs: the label edit of
// a click, the presses that record the selected group, erasing and setting
// the labels of a group, and the fonts, colours and label alignment.
// The key labels an erase or set command reaches.
enum class LabelGroup { FunctionKeys, MainKeyboard, CursorControl, NumericKeypad, AllKeys };
// What a font command styles: the map title, the group boxes' captions, the
// keys' names or their labels.
enum class FontTarget { MapTitle, GroupNames, KeyNames, KeyLabels };
// What a colour command fills: the keys' faces or their borders.
enum class ColourTarget { KeyFaces, KeyBorders };

class EditCommands {
 public:
  EditCommands(FormModel& form, IDialogs& dialogs) : form_(form), dialogs_(dialogs) {}

  // ---- Label editing and the recorded group ----
  // Records the group a press fell on, for components that record one
  // (-1 is the window itself, which records none).
  void recordPress(int component);
  // Opens the label box of a clicked component that edits its label.
  void editLabel(int component);

  // ---- Erase and set, after the user's confirmation ----
  void eraseLabels(LabelGroup group);
  void setLabels(LabelGroup group);

  // ---- Fonts, colours, alignment ----
  void chooseFont(FontTarget target);
  void chooseColour(ColourTarget target);
  void alignLabels(VerticalLayout layout);

 private:
  FormModel& form_;
  IDialogs& dialogs_;
};

}  // namespace tastrix
