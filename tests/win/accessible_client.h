#pragma once
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "model/rect.h"
#include "platform/com_ref.h"
#include "platform/wide_text.h"

namespace tastrix::testing {

// A part of an accessible object as clients name it: 0 is the object itself.
inline VARIANT part(long id) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_I4;
  V_I4(&v) = id;
  return v;
}

// A text property as a screen reader reads it; "<none>" when there is none.
using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
inline std::string textOf(IAccessible* object, TextProperty property, long id) {
  BSTR text = nullptr;
  if ((object->*property)(part(id), &text) != S_OK || !text) return "<none>";
  const std::string utf8 = Utf8FromWide(std::wstring(text, SysStringLen(text)));
  SysFreeString(text);
  return utf8;
}

// The client area's object of a window, of this process or another, as a
// screen reader asks for it.
inline HRESULT clientObject(HWND window, ComRef<IAccessible>& client) {
  return AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                    reinterpret_cast<void**>(client.put()));
}

// Where a screen reader is told a part is, in screen pixels.
inline RECT locationOf(IAccessible* object, long id) {
  long x = 0, y = 0, w = 0, h = 0;
  object->accLocation(&x, &y, &w, &h, part(id));
  return RECT{x, y, x + w, y + h};
}

// A piece of the picture where the window, scrolled so far, shows it on the screen.
inline RECT onScreen(HWND window, const Rect& r, int scroll) {
  POINT corners[2] = {{r.left - scroll, r.top}, {r.right() - scroll, r.bottom()}};
  MapWindowPoints(window, nullptr, corners, 2);
  return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

}  // namespace tastrix::testing
