#include "output/printed_page.h"

#include <algorithm>

#include "output/picture_painter.h"
#include "platform/win32_handles.h"
#include "platform/wide_text.h"
#include "text/mul_div.h"

namespace tastrix {
namespace {

constexpr int kCaptionPoints = 8;

}  // namespace

PictureLayout LayoutToFit(int width, int height) {
  const PictureLayout screen;
  int dpi = std::max(1, std::min(mulDiv(width, 96, screen.pictureWidth()), mulDiv(height, 96, screen.pictureHeight())));
  // Edges are rounded one by one: the first guess may come out a pixel too large.
  for (;; --dpi) {
    PictureLayout layout(dpi);
    if (dpi == 1 || (layout.pictureWidth() <= width && layout.pictureHeight() <= height)) return layout;
  }
}

void PaintPrintedPage(HDC dc, const KeyboardMap& map, const std::string& caption) {
  const int pageWidth = GetDeviceCaps(dc, HORZRES), pageHeight = GetDeviceCaps(dc, VERTRES);
  LOGFONTW captionFont{};
  captionFont.lfHeight = -mulDiv(kCaptionPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  wcscpy(captionFont.lfFaceName, L"Arial");
  const Font font(CreateFontIndirectW(&captionFont));
  const Selection selected(dc, font.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int line = metrics.tmHeight;

  // Room for the caption below the picture, half a line apart, as much again above it.
  const PictureLayout layout = LayoutToFit(pageWidth, pageHeight - 3 * line);
  const int width = layout.pictureWidth(), height = layout.pictureHeight();
  const int left = (pageWidth - width) / 2, top = (pageHeight - height) / 2;
  POINT origin{};
  SetViewportOrgEx(dc, left, top, &origin);
  paintPicture(dc, map, layout, 0, RECT{0, 0, width, height}, FontFaces::OutlineOnly);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);

  RECT below{left, top + height + line / 2, left + width, top + height + line / 2 + line};
  const std::wstring text = WideFromUtf8(caption);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &below,
            DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace tastrix
