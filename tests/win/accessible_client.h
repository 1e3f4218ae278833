#pragma once
#include <windows.h>
#include <oleacc.h>

#include "platform/com_ref.h"

namespace tastrix::testing {

// A part of an accessible object as clients name it: 0 is the object itself.
inline VARIANT part(long id) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_I4;
  V_I4(&v) = id;
  return v;
}

// The client area's object of a window, of this process or another, as a
// screen reader asks for it.
inline HRESULT clientObject(HWND window, ComRef<IAccessible>& client) {
  return AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                    reinterpret_cast<void**>(client.put()));
}

}  // namespace tastrix::testing
