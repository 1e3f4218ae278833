#include "platform/win32_dialogs.h"

#include <commdlg.h>

#include "platform/gdi_values.h"
#include "platform/win32_handles.h"

namespace tastrix {

bool Win32Dialogs::chooseFont(FontSpec& font, int dpi) {
  int screenDpi = 0;
  {
    WindowDC screen(nullptr);
    screenDpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  LOGFONTA logFont = logFontOf(font, dpi, screenDpi);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner_;
  cf.lpLogFont = &logFont;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = rgbOf(font.colour);
  if (!ChooseFontA(&cf)) return false;
  font = fontSpecOf(logFont, cf.rgbColors, dpi, screenDpi);
  return true;
}

}  // namespace tastrix
