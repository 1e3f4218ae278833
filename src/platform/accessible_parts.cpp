#include "platform/accessible_parts.h"

#include <atomic>
#include <new>
#include <utility>

#include "platform/wide_text.h"
#include "platform/window_text.h"

namespace tastrix {
namespace {

// Texts are UTF-8, as everywhere in the program: a label reads as written.
HRESULT answerText(const std::string& text, BSTR* out) {
  const std::wstring wide = WideFromUtf8(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT answerPart(long part, VARIANT* out) {
  V_VT(out) = VT_I4;
  V_I4(out) = part;
  return S_OK;
}

// The client area of a window that paints its parts itself: the object stands
// for OBJID_CLIENT, and its parts are simple elements it answers for by id.
// Screen readers pass over a client and speak the focused part.
class PartsAccessible final : public IAccessible {
 public:
  explicit PartsAccessible(std::shared_ptr<AccessLink> link) : link_(std::move(link)) {}
  PartsAccessible(const PartsAccessible&) = delete;
  PartsAccessible& operator=(const PartsAccessible&) = delete;

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    // __uuidof, not IID_IAccessible: statically linked, that name is the
    // address of an import thunk, not of the GUID.
    if (riid != __uuidof(IUnknown) && riid != __uuidof(IDispatch) && riid != __uuidof(IAccessible)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // Clients call through the vtable; no type information is offered.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  STDMETHODIMP get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!parts()) return CO_E_OBJNOTCONNECTED;
    // The client's parent is the window object the system provides.
    return CreateStdAccessibleObject(parts()->window(), OBJID_WINDOW, __uuidof(IDispatch),
                                     reinterpret_cast<void**>(parent));
  }

  STDMETHODIMP get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    if (!parts()) return CO_E_OBJNOTCONNECTED;
    *count = parts()->partCount();
    return S_OK;
  }

  STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    return part == CHILDID_SELF ? E_INVALIDARG : S_FALSE;  // a simple element has no object of its own
  }

  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    return text(child, name, [this](long part) {
      if (part != CHILDID_SELF) return parts()->partName(part);
      // The client of a top-level window is named like the window.
      return WindowText(parts()->window());
    });
  }

  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
    return text(child, value, [this](long part) { return part == CHILDID_SELF ? std::string() : parts()->partValue(part); });
  }

  STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
    return text(child, description,
                [this](long part) { return part == CHILDID_SELF ? std::string() : parts()->partDescription(part); });
  }

  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
    return text(child, action,
                [this](long part) { return part == CHILDID_SELF ? std::string() : parts()->partDefaultAction(part); });
  }

  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override {
    return text(child, help, [](long) { return std::string(); });
  }

  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return text(child, shortcut, [](long) { return std::string(); });
  }

  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    return DISP_E_MEMBERNOTFOUND;
  }

  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    VariantInit(role);
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    return answerPart(part == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : parts()->partRole(part), role);
  }

  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    VariantInit(state);
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    const HWND window = parts()->window();
    // Only one thing has the focus: the focused part, while its window has it.
    const bool focused = GetFocus() == window && parts()->focusedPart() == part;
    long flags = STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
    if (!IsWindowVisible(window)) flags |= STATE_SYSTEM_INVISIBLE;
    if (part != CHILDID_SELF) {
      if (!parts()->partsAvailable()) flags |= STATE_SYSTEM_UNAVAILABLE;
      RECT client, shown;
      GetClientRect(window, &client);
      const RECT area = parts()->partRect(part);
      if (!IntersectRect(&shown, &client, &area)) flags |= STATE_SYSTEM_OFFSCREEN;
    }
    return answerPart(flags, state);
  }

  STDMETHODIMP get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    VariantInit(focus);
    if (!parts()) return CO_E_OBJNOTCONNECTED;
    if (GetFocus() != parts()->window()) return S_FALSE;  // VT_EMPTY: the focus is elsewhere
    return answerPart(parts()->focusedPart(), focus);   // 0 is the client itself
  }

  STDMETHODIMP get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    VariantInit(selection);
    return parts() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;  // parts take the focus, never a selection
  }

  STDMETHODIMP accSelect(long flags, VARIANT child) override {
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    if (flags != SELFLAG_TAKEFOCUS || part == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
    if (GetFocus() != parts()->window()) SetFocus(parts()->window());
    parts()->focusPart(part);
    return S_OK;
  }

  STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    RECT r;
    if (part == CHILDID_SELF)
      GetClientRect(parts()->window(), &r);
    else
      r = parts()->partRect(part);
    MapWindowPoints(parts()->window(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }

  STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    long from = 0;
    if (const HRESULT hr = resolve(start, from); FAILED(hr)) return hr;
    const long count = parts()->partCount();
    long to = 0;
    if (from == CHILDID_SELF) {
      // Moving among windows is the window object's business.
      if (direction == NAVDIR_FIRSTCHILD) to = 1;
      if (direction == NAVDIR_LASTCHILD) to = count;
    } else {
      switch (direction) {
        case NAVDIR_FIRSTCHILD:
        case NAVDIR_LASTCHILD: return E_INVALIDARG;  // a simple element has no children
        case NAVDIR_NEXT: to = from < count ? from + 1 : 0; break;
        case NAVDIR_PREVIOUS: to = from - 1; break;
        case NAVDIR_LEFT:
        case NAVDIR_RIGHT:
        case NAVDIR_UP:
        case NAVDIR_DOWN: to = parts()->partBeside(from, direction); break;
        default: return E_INVALIDARG;
      }
    }
    if (to <= 0 || to > count || to == from) return S_FALSE;
    return answerPart(to, end);
  }

  STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!parts()) return CO_E_OBJNOTCONNECTED;
    POINT p{x, y};
    ScreenToClient(parts()->window(), &p);
    RECT client;
    GetClientRect(parts()->window(), &client);
    if (!PtInRect(&client, p)) return S_FALSE;
    return answerPart(parts()->partAt(p), child);
  }

  STDMETHODIMP accDoDefaultAction(VARIANT child) override {
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    if (part == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
    if (!parts()->partsAvailable()) return E_FAIL;
    parts()->requestDefaultAction(part);
    return S_OK;
  }

  // Names and values change only through the program's own commands.
  STDMETHODIMP put_accName(VARIANT, BSTR) override { return parts() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED; }
  STDMETHODIMP put_accValue(VARIANT, BSTR) override { return parts() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED; }

 private:
  ~PartsAccessible() = default;

  IAccessibleParts* parts() const { return link_->parts; }

  // The part a VARIANT names (VT_EMPTY, as some clients send, is the client itself).
  HRESULT resolve(const VARIANT& child, long& part) const {
    if (!parts()) return CO_E_OBJNOTCONNECTED;
    if (V_VT(&child) == VT_EMPTY) {
      part = CHILDID_SELF;
      return S_OK;
    }
    if (V_VT(&child) != VT_I4 || V_I4(&child) < 0 || V_I4(&child) > parts()->partCount()) return E_INVALIDARG;
    part = V_I4(&child);
    return S_OK;
  }

  // A text property: S_FALSE with no text where the part has none.
  template <typename TextOf>
  HRESULT text(const VARIANT& child, BSTR* out, TextOf textOf) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    long part = 0;
    if (const HRESULT hr = resolve(child, part); FAILED(hr)) return hr;
    const std::string value = textOf(part);
    return value.empty() ? S_FALSE : answerText(value, out);
  }

  std::atomic<ULONG> references_{1};
  std::shared_ptr<AccessLink> link_;
};

}  // namespace

bool answerGetObject(const std::shared_ptr<AccessLink>& link, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // The object id arrives as a DWORD: on 64-bit Windows lParam is not sign
  // extended, so only its low 32 bits are compared.
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !link || !link->parts) return false;
  auto* object = new (std::nothrow) PartsAccessible(link);
  if (!object) return false;
  // LresultFromObject takes a reference of its own; the object lives as long
  // as clients hold it.
  result = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
  object->Release();
  return true;
}

void announceFocus(HWND window, int part) { NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, part); }

void announceValueChange(HWND window, int part) {
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, part);
}

}  // namespace tastrix
