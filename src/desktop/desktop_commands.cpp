#include "app/main_form.h"

namespace tastrix {

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick() {}
void TMainForm1::View_Readme_file_OptionClick() {}
void TMainForm1::SpareMenuClick() {}

}  // namespace tastrix
