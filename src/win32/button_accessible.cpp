// The button's IAccessible, written over the COM vtable: role, name, state, shortcut and
// default action come from the button; location, navigation, hit testing and the parent
// from the system's standard object for the window, to which those calls are passed.
#include "win32/button_accessible.h"

#include <oleacc.h>

#include <new>

#include "win32/button_window.h"
#include "win32/system_libraries.h"

namespace quillet::win32 {
namespace {

using CreateStdFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringLenFn = BSTR(WINAPI*)(const OLECHAR*, UINT);

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = wendral::win32::LoadSystemLibrary(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

struct Oleacc {
  CreateStdFn create_standard = SystemFunction<CreateStdFn>(L"oleacc.dll", "CreateStdAccessibleObject");
  LresultFromObjectFn lresult_from_object = SystemFunction<LresultFromObjectFn>(L"oleacc.dll", "LresultFromObject");
  // Strings go to the client, which frees them with oleaut32's allocator.
  SysAllocStringLenFn alloc_string = SystemFunction<SysAllocStringLenFn>(L"oleaut32.dll", "SysAllocStringLen");
  bool usable() const { return create_standard && lresult_from_object && alloc_string; }
};

// Loaded on the first request only: most runs never meet a screen reader.
const Oleacc& Libraries() {
  static const Oleacc libraries;
  return libraries;
}

HRESULT ReturnString(std::u16string_view text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = Libraries().alloc_string(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// The access key is kept in lower case; the shortcut names the key as printed on it.
char16_t UpperKey(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
  if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) return static_cast<char16_t>(c - 0x20);
  return c;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Errors for a client that outlived the window.
constexpr HRESULT kGone = RPC_E_DISCONNECTED;

class ButtonAccessible final : public IAccessible, public IOleWindow {
 public:
  ButtonAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}

  // --- IUnknown ---
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
    } else if (iid == __uuidof(IOleWindow)) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // --- IDispatch: clients of this object call the vtable ---
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // --- IOleWindow: WindowFromAccessibleObject asks for it ---
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // --- IAccessible: what the button answers itself ---
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (child) *child = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name) *name = nullptr;
    ButtonWindow* b = Button();
    if (!b) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    return ReturnString(AccessibleName(b->Caption()), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
    if (value) *value = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
    if (description) *description = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    role->vt = VT_EMPTY;
    ButtonWindow* b = Button();
    if (!b) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = b->Control()->CheckBoxMode() ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    state->vt = VT_EMPTY;
    ButtonWindow* b = Button();
    if (!b) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    state->vt = VT_I4;
    state->lVal = static_cast<LONG>(AccessibleState(*b));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
    if (help) *help = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (shortcut) *shortcut = nullptr;
    ButtonWindow* b = Button();
    if (!b) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    const std::u16string keys = b->AccessKeys();
    if (keys.empty()) return S_FALSE;
    std::u16string text = u"Alt+";
    text += UpperKey(keys[0]);
    return ReturnString(text, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    focus->vt = VT_EMPTY;
    ButtonWindow* b = Button();
    if (!b) return kGone;
    if (!(AccessibleState(*b) & STATE_SYSTEM_FOCUSED)) return S_FALSE;
    focus->vt = VT_I4;
    focus->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection) selection->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (action) *action = nullptr;
    ButtonWindow* b = Button();
    if (!b) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    const QuilletButton& c = *b->Control();
    if (!c.CheckBoxMode()) return ReturnString(u"Press", action);
    return ReturnString(c.Value() ? u"Uncheck" : u"Check", action);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    ButtonWindow* b = Button();
    if (!b) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!b->Enabled()) return E_FAIL;
    // Posted, as the dialog manager's own buttons do: a Click handler may show a modal
    // box, and the caller (often in another process) must not wait for it.
    return PostMessageW(window_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  // --- IAccessible: geometry and the tree, from the standard object ---
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (parent) *parent = nullptr;
    if (!Button()) return kGone;
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    if (!Button()) return kGone;
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    if (!Button()) return kGone;
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (end) end->vt = VT_EMPTY;
    if (!Button()) return kGone;
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (child) child->vt = VT_EMPTY;
    if (!Button()) return kGone;
    return standard_->accHitTest(x, y, child);
  }

 private:
  ~ButtonAccessible() { standard_->Release(); }

  // The button while its window lives and holds a loaded control.
  ButtonWindow* Button() const {
    ButtonWindow* b = IsWindow(window_) ? ButtonWindow::FromWindow(window_) : nullptr;
    return b && b->Control() ? b : nullptr;
  }

  LONG references_ = 1;
  HWND window_;
  IAccessible* standard_;
};

}  // namespace

std::u16string AccessibleName(std::u16string_view caption) {
  std::u16string name;
  name.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      name += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      name += u'&';
      ++i;
    }
    // A single "&" only marks the character after it.
  }
  return name;
}

DWORD AccessibleState(ButtonWindow& button) {
  const HWND window = button.Handle();
  const QuilletButton* c = button.Control();
  if (!c) return STATE_SYSTEM_UNAVAILABLE;
  DWORD state = 0;
  state |= button.Enabled() ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
  // The window's focus, as the system's focus event tells it: set before WM_SETFOCUS comes.
  if (window && GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
  // A checked check box is drawn pressed in; it reads as checked, and pressed only while held.
  const bool held = !c->CheckBoxMode() || c->LeftButtonDown() || c->SpaceDown();
  if (c->DrawState() == DrawState::Pressed && held) state |= STATE_SYSTEM_PRESSED;
  if (c->CheckBoxMode() && c->Value()) state |= STATE_SYSTEM_CHECKED;
  if (c->DisplayAsDefault()) state |= STATE_SYSTEM_DEFAULT;
  if (window && !IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

LRESULT AnswerGetObject(HWND window, WPARAM wparam, LPARAM lparam) {
  // OBJID_CLIENT arrives sign- or zero-extended from 32 bits.
  if (static_cast<LONG>(lparam) != static_cast<LONG>(OBJID_CLIENT)) return 0;
  ButtonWindow* b = ButtonWindow::FromWindow(window);
  if (!b || !b->Control()) return 0;
  const Oleacc& oleacc = Libraries();
  if (!oleacc.usable()) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(
          oleacc.create_standard(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
      !standard) {
    return 0;
  }
  auto* object = new (std::nothrow) ButtonAccessible(window, standard);
  if (!object) {
    standard->Release();
    return 0;
  }
  // Fails without COM on this thread: the system's object for the window stands in.
  const LRESULT answer = oleacc.lresult_from_object(__uuidof(IAccessible), wparam, static_cast<IAccessible*>(object));
  object->Release();
  return answer > 0 ? answer : 0;
}

void AnnounceChanges(ButtonWindow& button, AnnouncedState& announced) {
  const HWND window = button.Handle();
  if (!window || !button.Control()) return;
  const DWORD state = AccessibleState(button);
  std::u16string name = AccessibleName(button.Caption());
  if (!announced.known) {
    announced = AnnouncedState{true, state, std::move(name)};
    return;
  }
  const DWORD changed = state ^ announced.state;
  const bool renamed = name != announced.name;
  announced.state = state;
  announced.name = std::move(name);
  if (renamed) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  // user32 raises EVENT_OBJECT_FOCUS itself when the window takes the focus; raising it
  // again would have the button read out twice.
  if (changed & ~static_cast<DWORD>(STATE_SYSTEM_FOCUSED)) {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  }
}

}  // namespace quillet::win32
