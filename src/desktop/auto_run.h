#pragma once
#include <windows.h>

#include <optional>

#include "platform/core/dialogs.h"

namespace tastrix {

// The Run key that Windows reads at start-up, under the machine-wide root and
// under each user's own. The value is named after the executable's file name
// and holds its full path.
extern const char* const kRunKey;

// Whether a Run value for this executable exists in either key (the
// machine-wide one is checked first), and the key of one that points
// elsewhere where this user may rewrite it. Registry faults count as no value.
struct AutoRunFound {
  bool on = false;
  std::optional<HKEY> outdated;
};
AutoRunFound FindAutoRun();
// Asks whether the value in that key is to point at this program, and makes
// it so on Yes; a registry that refuses the write raises its error.
void OfferAutoRunUpdate(IDialogs& dialogs, HKEY root);
// Writes the machine-wide value where this user may, otherwise the user's own.
bool EnableAutoRun(IDialogs& dialogs);
// Removes the value from every key that holds it.
bool DisableAutoRun(IDialogs& dialogs);

// The auto-run command, toggling the option from its state: whether it is on
// afterwards.
bool ToggleAutoRun(IDialogs& dialogs, bool on);

}  // namespace tastrix
