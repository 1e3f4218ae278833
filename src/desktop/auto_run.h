#pragma once
#include "platform/core/dialogs.h"

namespace tastrix {

// The Run key that Windows reads at start-up, under the machine-wide root and
// under each user's own. The value is named after the executable's file name
// and holds its full path.
extern const char* const kRunKey;

// True when a Run value for this executable exists in either key (the
// machine-wide one is checked first); offers to update a value that points
// elsewhere where this user may rewrite it. Registry faults count as no value.
bool CheckAutoRunPath(IDialogs& dialogs);
// Writes the machine-wide value where this user may, otherwise the user's own.
bool EnableAutoRun(IDialogs& dialogs);
// Removes the value from every key that holds it.
bool DisableAutoRun(IDialogs& dialogs);

// The auto-run command, toggling the option from its state: whether it is on
// afterwards.
bool ToggleAutoRun(IDialogs& dialogs, bool on);

}  // namespace tastrix
