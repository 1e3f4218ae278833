#include "app/main_form.h"

namespace tastrix {

void TMainForm1::Reset_Function_Key_Labels_OptionClick() {}
void TMainForm1::Reset_Main_Keyboard_Labels_OptionClick() {}
void TMainForm1::Reset_Cursor_Control_Labels_OptionClick() {}
void TMainForm1::Reset_Numeric_Keypad_Labels_OptionClick() {}
void TMainForm1::Reset_All_Labels_OptionClick() {}
void TMainForm1::Set_Function_Key_Labels_OptionClick() {}
void TMainForm1::Set_Main_Keyboard_Labels_OptionClick() {}
void TMainForm1::Set_Cursor_Control_Labels_OptionClick() {}
void TMainForm1::Set_Numeric_Keypad_Labels_OptionClick() {}
void TMainForm1::Set_All_Labels_To_A_Default_Value_OptionClick() {}

}  // namespace tastrix
