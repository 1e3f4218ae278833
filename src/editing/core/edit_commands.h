#pragma once
#include "model/form_model.h"
#include "platform/core/dialogs.h"

namespace tastrix {

// The editing commands over the document and the dialogs: the label edit of
// a click, the presses that record the selected group, erasing and setting
// the labels of a group, and the fonts, colours and label alignment.
class EditCommands {
 public:
  EditCommands(FormModel& form, IDialogs& dialogs) : form_(form), dialogs_(dialogs) {}

  // ---- Label editing and the recorded group ----
  void Label_0Click(int label);  // the label clicked
  void Function_Keys_GroupBoxMouseDown();
  void Main_Keyboard_Area_GroupBoxMouseDown();
  void Cursor_Control_GroupBoxMouseDown();
  void Numeric_Keypad_GroupBoxMouseDown();
  void Keyboard_Map_Title_LabelMouseDown();
  void FormMouseDown();
  // The press handler of the component pressed (PressGroup::None: the window's own).
  void press(PressGroup group);
  // The handlers a component has, if any: its press handler (-1 is the window
  // itself), and its click handler.
  void pressOn(int component);
  void clickOn(int component);

  // ---- Erase and set ----
  void Reset_Function_Key_Labels_OptionClick();
  void Reset_Main_Keyboard_Labels_OptionClick();
  void Reset_Cursor_Control_Labels_OptionClick();
  void Reset_Numeric_Keypad_Labels_OptionClick();
  void Reset_All_Labels_OptionClick();
  void Set_Function_Key_Labels_OptionClick();
  void Set_Main_Keyboard_Labels_OptionClick();
  void Set_Cursor_Control_Labels_OptionClick();
  void Set_Numeric_Keypad_Labels_OptionClick();
  void Set_All_Labels_To_A_Default_Value_OptionClick();

  // ---- Fonts, colours, alignment ----
  void Font_Keyboard_Map_Title_OptionClick();
  void Font_Group_Names_OptionClick();
  void Font_Key_Names_OptionClick();
  void Font_Key_Labels_OptionClick();
  void Select_Key_Colour_OptionClick();
  void Select_Key_Colour_Border_OptionClick();
  void Set_Key_Label_Vertical_Alignment_Top_OptionClick();
  void Set_Key_Label_Vertical_Alignment_Center_OptionClick();
  void Set_Key_Label_Vertical_Alignment_Bottom_OptionClick();

 private:
  FormModel& form_;
  IDialogs& dialogs_;
};

}  // namespace tastrix
