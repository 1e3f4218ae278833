#pragma once
#include "platform/dialogs.h"

namespace tastrix {

// The machine-wide Run key that Windows reads at start-up. The value is named
// after the executable's file name and holds its full path.
extern const char* const kRunKey;

// True when a Run value for this executable exists; offers to update a
// value that points elsewhere. Registry faults count as no value.
bool CheckAutoRunPath(IDialogs& dialogs);
bool EnableAutoRun(IDialogs& dialogs);
bool DisableAutoRun(IDialogs& dialogs);

// The auto-run command, toggling the option from its state: whether it is on
// afterwards.
bool Auto_Run_at_Windows_Startup_OptionClick(IDialogs& dialogs, bool on);

}  // namespace tastrix
