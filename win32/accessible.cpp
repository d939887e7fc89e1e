// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible.h"

#include "look.h"

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <map>
#include <vector>

namespace trelavka::win32 {
namespace {

// oleacc and oleaut32 are loaded on the first question a reader asks, not at start-up.
struct Oleacc {
  decltype(&LresultFromObject) lresultFromObject =
      systemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
  decltype(&CreateStdAccessibleObject) standardObject =
      systemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
  decltype(&SysAllocStringLen) allocString =
      systemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
};

const Oleacc& oleacc() {
  static const Oleacc loaded;
  return loaded;
}

// VariantInit's whole work, without importing oleaut32 for it.
void clear(VARIANT* v) { v->vt = VT_EMPTY; }

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT text(const std::wstring& from, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  const auto alloc = oleacc().allocString;
  *out = from.empty() || alloc == nullptr ? nullptr : alloc(from.data(), static_cast<UINT>(from.size()));
  if (from.empty()) return S_FALSE;
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The child windows in the order of their ids, which is the tables' order
// (z-order is not: the main window raises each control as it makes it).
std::vector<HWND> childrenOf(HWND window) {
  std::vector<HWND> out;
  for (HWND w = GetWindow(window, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    out.push_back(w);
  }
  std::stable_sort(out.begin(), out.end(),
                   [](HWND a, HWND b) { return GetDlgCtrlID(a) < GetDlgCtrlID(b); });
  return out;
}

// Holds only the window: every answer is asked of it afresh.
class WindowObject final : public IAccessible {
 public:
  explicit WindowObject(HWND window) : window_(window) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: readers call IAccessible's own methods; nothing is scripted.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    HWND parent = GetAncestor(window_, GA_PARENT);
    if (parent != nullptr && parent != GetDesktopWindow()) {
      *out = new WindowObject(parent);
      return S_OK;
    }
    // A top-level window's client lies in its frame, which the system describes.
    if (oleacc().standardObject == nullptr) return S_FALSE;
    return oleacc().standardObject(window_, OBJID_WINDOW, IID_IDispatch,
                                   reinterpret_cast<void**>(out)) == S_OK
               ? S_OK
               : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    *count = static_cast<LONG>(childrenOf(window_).size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    const std::vector<HWND> children = childrenOf(window_);
    if (child.lVal < 1 || static_cast<std::size_t>(child.lVal) > children.size()) return E_INVALIDARG;
    *out = new WindowObject(children[static_cast<std::size_t>(child.lVal) - 1]);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    return answer(child, out, &Description::name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    return answer(child, out, &Description::value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return answer(child, out, &Description::description);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    return answer(child, out, &Description::help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file != nullptr) *file = nullptr;
    if (topic != nullptr) *topic = -1;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    return number(child, out, [](const Description& d) { return d.role; });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    return number(child, out, [this](const Description& d) {
      LONG state = 0;
      if (!IsWindowVisible(window_)) state |= STATE_SYSTEM_INVISIBLE;
      if (d.readOnly) {
        state |= STATE_SYSTEM_READONLY;
      } else if ((GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP) != 0) {
        state |= STATE_SYSTEM_FOCUSABLE;
        if (!IsWindowEnabled(window_)) state |= STATE_SYSTEM_UNAVAILABLE;
        if (GetFocus() == window_) state |= STATE_SYSTEM_FOCUSED;
      }
      return state;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return answer(child, out, nullptr);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    if (out == nullptr) return E_POINTER;
    clear(out);
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    HWND focus = GetFocus();
    if (focus == window_) {
      out->vt = VT_I4;
      out->lVal = CHILDID_SELF;
    } else if (focus != nullptr && IsChild(window_, focus)) {
      out->vt = VT_DISPATCH;
      out->pdispVal = new WindowObject(focus);
    } else {
      return S_FALSE;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    if (out == nullptr) return E_POINTER;
    clear(out);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    return answer(child, out, nullptr);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
    if (x == nullptr || y == nullptr || w == nullptr || h == nullptr) return E_POINTER;
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    if (!isSelf(child)) return E_INVALIDARG;
    RECT r{};
    if (window_ == GetAncestor(window_, GA_ROOT)) {
      // A top-level window's client area, without its frame.
      GetClientRect(window_, &r);
      MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
      GetWindowRect(window_, &r);
    }
    *x = r.left;
    *y = r.top;
    *w = r.right - r.left;
    *h = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* out) override {
    if (out != nullptr) clear(out);
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
    if (out == nullptr) return E_POINTER;
    clear(out);
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    RECT r{};
    GetWindowRect(window_, &r);
    const POINT screen{x, y};
    if (!PtInRect(&r, screen)) return S_FALSE;
    POINT at = screen;
    ScreenToClient(window_, &at);
    HWND hit = ChildWindowFromPointEx(window_, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hit == nullptr || hit == window_) {
      out->vt = VT_I4;
      out->lVal = CHILDID_SELF;
    } else {
      out->vt = VT_DISPATCH;
      out->pdispVal = new WindowObject(hit);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  HRESULT describe(const VARIANT& child, Description& out) const {
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    if (!isSelf(child)) return E_INVALIDARG;
    const LRESULT filled = SendMessageW(GetAncestor(window_, GA_ROOT), kDescribe,
                                        reinterpret_cast<WPARAM>(window_),
                                        reinterpret_cast<LPARAM>(&out));
    return filled != 0 ? S_OK : E_FAIL;
  }
  // One text of the description; none for a null member.
  HRESULT answer(const VARIANT& child, BSTR* out, std::wstring Description::*member) const {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    Description d;
    if (const HRESULT hr = describe(child, d); hr != S_OK) return hr;
    return text(member != nullptr ? d.*member : std::wstring(), out);
  }

  // One number of the description.
  template <typename Of>
  HRESULT number(const VARIANT& child, VARIANT* out, Of of) const {
    if (out == nullptr) return E_POINTER;
    clear(out);
    Description d;
    if (const HRESULT hr = describe(child, d); hr != S_OK) return hr;
    out->vt = VT_I4;
    out->lVal = of(d);
    return S_OK;
  }

  HWND window_;
  LONG refs_ = 1;
};

// The controls' own procedures, kept here: plain user32 subclassing, as the
// common controls' helpers would load comctl32 for it. Not in a window
// property: under Wine each read of one is a request of the server, and
// these procedures run for every message of the control.
std::map<HWND, WNDPROC>& ownProcs() {
  static std::map<HWND, WNDPROC> procs;
  return procs;
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETOBJECT) {
    if (const LRESULT answered = answerGetObject(hwnd, wp, lp)) return answered;
  }
  const auto found = ownProcs().find(hwnd);
  if (found == ownProcs().end()) return DefWindowProcW(hwnd, msg, wp, lp);
  const WNDPROC own = found->second;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    ownProcs().erase(found);
  }
  return CallWindowProcW(own, hwnd, msg, wp, lp);
}

}  // namespace

LRESULT answerGetObject(HWND window, WPARAM wp, LPARAM lp) {
  // The object id travels as a DWORD, whatever LPARAM's width.
  if (static_cast<LONG>(static_cast<DWORD>(lp)) != OBJID_CLIENT) return 0;
  if (oleacc().lresultFromObject == nullptr) return 0;
  // The object is marshalled to the reader through COM, which this thread
  // only sets up once a reader first asks; it stays up until the game ends.
  static const ComScope com;
  auto* object = new WindowObject(window);
  const LRESULT result = oleacc().lresultFromObject(__uuidof(IAccessible), wp, object);
  object->Release();
  return result > 0 ? result : 0;
}

void answerForControl(HWND control) {
  if (control == nullptr) return;
  ownProcs()[control] =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc)));
}

bool describeStandard(HWND control, Description& out) {
  wchar_t type[16] = {};
  GetClassNameW(control, type, 16);
  if (lstrcmpiW(type, L"Button") == 0) {
    out.role = ROLE_SYSTEM_PUSHBUTTON;
  } else if (lstrcmpiW(type, L"Static") == 0) {
    out.role = ROLE_SYSTEM_STATICTEXT;
  } else {
    return false;
  }
  out.name = windowText(control);
  return true;
}

void valueChanged(HWND window) {
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace trelavka::win32
