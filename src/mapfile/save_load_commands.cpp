#include "app/main_form.h"
#include "mapfile/format/path_text.h"

namespace tastrix {

void TMainForm1::Save_Keyboard_Layout_OptionClick() {}
void TMainForm1::Save_Keyboard_Layout_As_OptionClick() {}
void TMainForm1::Load_Keyboard_Layout_As_OptionClick() {}

void TMainForm1::LoadKeyboardMap(bool) {
  setCaption(std::string(kCaptionPrefix) + FileTitle(model_.currentMapPath));
  model_.changed = false;
}

void TMainForm1::LoadtheKeyFontSettingsfromAnotherKeyboardLayoutFile1Click() {}
void TMainForm1::LoadtheKeyLabelsfromanother1Click() {}
void TMainForm1::LoadtheColourSettingsfromAnotherKeyboardLayout1Click() {}

}  // namespace tastrix
