#pragma once
#include "platform/dialogs.h"

namespace tastrix {

// True when a Run value for this executable exists; offers to update a
// value that points elsewhere.
bool CheckAutoRunPath(IDialogs& dialogs);
bool EnableAutoRun(IDialogs& dialogs);
bool DisableAutoRun(IDialogs& dialogs);

}  // namespace tastrix
