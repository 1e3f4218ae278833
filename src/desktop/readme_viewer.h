#pragma once
#include <string>

#include "platform/core/dialogs.h"

namespace tastrix {

// Beside the executable, named after it up to its first ".": tastrix.txt.
std::string ReadmePath();
// The readme command: opens the readme in Notepad.
void ViewReadme(IDialogs& dialogs);
// Starts Notepad on the file and returns without waiting for it.
void OpenInNotepad(IDialogs& dialogs, const std::string& path);

}  // namespace tastrix
