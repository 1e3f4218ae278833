#include "output/capture.h"
#include "output/output_commands.h"
#include "output/print_job.h"

namespace tastrix {

// The picture is taken as for the other outputs and released unused.
void OutputCommands::showPrinterSetup() {
  const Bitmap picture = CaptureKeyboardPicture(window_);
  dialogs_.printerSetup(printer_);
}

void OutputCommands::print() {
  if (dialogs_.print(printer_)) PrintMap(document_.map(), document_.path(), printer_);
}

}  // namespace tastrix
