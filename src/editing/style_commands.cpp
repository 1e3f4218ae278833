#include "app/main_form.h"

namespace tastrix {

void TMainForm1::Font_Keyboard_Map_Title_OptionClick() {}
void TMainForm1::Font_Group_Names_OptionClick() {}
void TMainForm1::Font_Key_Names_OptionClick() {}
void TMainForm1::Font_Key_Labels_OptionClick() {}
void TMainForm1::Select_Key_Colour_OptionClick() {}
void TMainForm1::Select_Key_Colour_Border_OptionClick() {}
void TMainForm1::Set_Key_Label_Vertical_Alignment_Top_OptionClick() {}
void TMainForm1::Set_Key_Label_Vertical_Alignment_Center_OptionClick() {}
void TMainForm1::Set_Key_Label_Vertical_Alignment_Bottom_OptionClick() {}

}  // namespace tastrix
