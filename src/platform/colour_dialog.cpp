#include "platform/win32_dialogs.h"

#include <commdlg.h>

#include "platform/gdi_values.h"
#include "platform/system_library.h"

namespace tastrix {

bool Win32Dialogs::showColourDialog(Colour& colour) {
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner_;
  cc.rgbResult = rgbOf(colour);
  cc.lpCustColors = customColours_;  // kept for the next run
  // Fully open, so a colour outside the basic ones shows as chosen too.
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!SystemFunction<decltype(&ChooseColorA)>(kCommonDialogs, "ChooseColorA")(&cc)) return false;
  colour = static_cast<Colour>(cc.rgbResult & 0x00FFFFFF);
  return true;
}

}  // namespace tastrix
