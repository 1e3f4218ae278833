#include "desktop/auto_run.h"

namespace tastrix {

bool CheckAutoRunPath(IDialogs&) { return false; }
bool EnableAutoRun(IDialogs&) { return false; }
bool DisableAutoRun(IDialogs&) { return false; }

}  // namespace tastrix
