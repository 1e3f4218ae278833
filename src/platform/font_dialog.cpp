#include "platform/win32_dialogs.h"

#include <commdlg.h>

#include "platform/gdi_values.h"
#include "platform/system_library.h"
#include "platform/window_text.h"

namespace tastrix {

bool Win32Dialogs::showFontDialog(FontDescription& font) {
  // The dialog reads and gives heights at the screen's dpi, whatever the
  // monitor: the size in points is what it shows and returns.
  const int screenDpi = ScreenDpi();
  LOGFONTW logFont = logFontOf(font, screenDpi);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner_;
  cf.lpLogFont = &logFont;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = rgbOf(font.colour);
  if (!SystemFunction<decltype(&ChooseFontW)>(kCommonDialogs, "ChooseFontW")(&cf)) return false;
  font = fontDescriptionOf(logFont, cf.rgbColors, screenDpi);
  return true;
}

}  // namespace tastrix
