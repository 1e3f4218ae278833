#pragma once
#include <string>

#include "model/form_model.h"

namespace tastrix {

// The normalised folder of the current map path; empty without a path.
std::string MapFolder(const FormModel& form);

// The map folder when it names an existing directory.
bool MapFolderUsable(const FormModel& form);

// Where the file dialogs open: the map folder when usable, otherwise the
// program's own folder.
std::string DialogStartFolder(const FormModel& form);

}  // namespace tastrix
