#pragma once
#include <string>

#include "model/keyboard_map.h"
#include "platform/core/dialogs.h"

namespace tastrix {

// The name a printed map goes by, in the printer's list of jobs and below
// the picture: the map's file name, "Untitled" for a map never saved.
std::string PrintedName(const std::string& mapPath);

// Prints the map on one page (PaintPrintedPage) of the printer chosen, the
// default printer when none is, as a job named PrintedName. A printer that
// fails raises PrintFailure, and a job it stopped is taken back whole from
// the spooler. Gives the printer's name.
std::string PrintMap(const KeyboardMap& map, const std::string& mapPath, const PrinterChoice& printer);

}  // namespace tastrix
