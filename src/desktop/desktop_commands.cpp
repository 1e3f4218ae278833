#include "app/main_form.h"
#include "desktop/auto_run.h"
#include "desktop/readme_viewer.h"

namespace tastrix {

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick() {
  if (isMenuChecked(ID_Auto_Run)) {
    if (DisableAutoRun(dialogs_)) setMenuChecked(ID_Auto_Run, false);
  } else {
    if (EnableAutoRun(dialogs_)) setMenuChecked(ID_Auto_Run, true);
  }
}

void TMainForm1::View_Readme_file_OptionClick() { ViewReadmeFile(dialogs_); }

void TMainForm1::SpareMenuClick() { ViewReadmeFile(dialogs_); }

}  // namespace tastrix
