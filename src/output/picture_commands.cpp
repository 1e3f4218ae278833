#include "app/main_form.h"

namespace tastrix {

Bitmap TMainForm1::CaptureKeyboardPicture() { return Bitmap(); }
void TMainForm1::Save_Bitmap_to_File_Menu_OptionClick() {}
void TMainForm1::Copy_Bitmap_to_Windows_Clipboard_OptionClick() {}
void TMainForm1::CopyKeyboardLayoutBitmaptoWindowsClipboard2Click() { Copy_Bitmap_to_Windows_Clipboard_OptionClick(); }
void TMainForm1::Print_Keyboard_Layout_OptionClick() {}

}  // namespace tastrix
