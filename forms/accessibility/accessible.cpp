#include "forms/accessibility/accessible.h"

#include "forms/core/control.h"
#include "forms/core/events.h"
#include "forms/platform/com.h"
#include "forms/platform/system_dll.h"

#include <oleacc.h>

#include <atomic>
#include <new>
#include <string>

namespace forms {

namespace {

constexpr wchar_t kReplacedProcedure[] = L"TrovaneReplacedProcedure";

// The functions of oleacc and oleaut32 that the objects use, loaded from the system folder
// when assistive software first asks.
struct AccessibilityFunctions {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocStringLen) allocateString = nullptr;
    decltype(&AccessibleObjectFromWindow) objectFromWindow = nullptr;
};

const AccessibilityFunctions& accessibilityFunctions() {
    static const AccessibilityFunctions loaded{
        systemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
        systemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
        systemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen"),
        systemFunction<decltype(&AccessibleObjectFromWindow)>(L"oleacc.dll", "AccessibleObjectFromWindow")};
    return loaded;
}

// What assistive software is told when it would start a handler inside another's wait.
const HRESULT kRefusedWhileHandlerRuns = HRESULT_FROM_WIN32(ERROR_BUSY);

// The control's child window of that child id, counted from 1 in z-order, as the standard
// object counts its children; nullptr for any other id.
HWND childWindow(HWND control, const VARIANT& child) {
    if (child.vt != VT_I4 || child.lVal <= 0)
        return nullptr;
    HWND window = GetWindow(control, GW_CHILD);
    for (LONG id = 1; window && id < child.lVal; ++id)
        window = GetWindow(window, GW_HWNDNEXT);
    return window;
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT text(const std::wstring& value, BSTR* out) {
    if (!out)
        return E_POINTER;
    *out = accessibilityFunctions().allocateString(value.data(), static_cast<UINT>(value.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The control's facts now, read when asked, so that they follow every caption and value.
// False leaves the question to the standard object; nothing is thrown across COM.
bool factsOf(HWND window, AccessibleFacts& facts) noexcept {
    try {
        const FormControl* control = objectOf<FormControl>(window);
        if (!control)
            return false;
        facts = control->accessibleFacts();
        return facts.role != 0;
    } catch (...) {
        return false;
    }
}

// A control's client area for assistive software: the standard object's answers, with the
// control's own facts in place of its role, name, value, description and checked state, and
// a click as the default action of what a click presses. Only IUnknown, IDispatch and
// IAccessible are its interfaces.
class AccessibleControl final : public IAccessible {
  public:
    AccessibleControl(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // No interface of the standard object: that would break COM's identity, and its
        // IServiceProvider tells UI Automation to read the standard object instead of this.
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, argument);
    }

    // IAccessible: what differs from the standard object
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        AccessibleFacts facts;
        return isSelf(child) && factsOf(window_, facts) ? text(facts.name, name)
                                                        : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        AccessibleFacts facts;
        if (!isSelf(child) || !factsOf(window_, facts) || facts.value.empty())
            return standard_->get_accValue(child, value);
        return text(facts.value, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        AccessibleFacts facts;
        if (!isSelf(child) || !factsOf(window_, facts) || facts.description.empty())
            return standard_->get_accDescription(child, description);
        return text(facts.description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        AccessibleFacts facts;
        if (!isSelf(child) || !factsOf(window_, facts))
            return standard_->get_accRole(child, role);
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = facts.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        AccessibleFacts facts;
        if (FAILED(result) || !isSelf(child) || !factsOf(window_, facts) || !facts.checkable ||
            state->vt != VT_I4)
            return result;
        state->lVal =
            facts.checked ? state->lVal | STATE_SYSTEM_CHECKED : state->lVal & ~STATE_SYSTEM_CHECKED;
        return result;
    }

    // Posts the notification that a click sends, so that the action takes the click's path
    // and the caller is not held while its handler runs.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        AccessibleFacts facts;
        if (!isSelf(child) || !factsOf(window_, facts) || !facts.clickable)
            return standard_->accDoDefaultAction(child);
        if (handlerRunning())
            return kRefusedWhileHandlerRuns;
        const WPARAM clicked = MAKEWPARAM(GetDlgCtrlID(window_), BN_CLICKED);
        return PostMessageW(GetParent(window_), WM_COMMAND, clicked, reinterpret_cast<LPARAM>(window_))
                   ? S_OK
                   : HRESULT_FROM_WIN32(GetLastError());
    }
    // Taking the focus as Windows' standard object does; Wine's does not.
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        if (handlerRunning())
            return kRefusedWhileHandlerRuns;
        if (!isSelf(child) || flags != SELFLAG_TAKEFOCUS)
            return standard_->accSelect(flags, child);
        SetFocus(window_);
        return GetFocus() == window_ ? S_OK : S_FALSE;
    }

    // IAccessible: the standard object's
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    // A frame's controls, as the objects of their windows: this object has no enumerator of
    // children, and Wine's standard object gives none by id.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** found) override {
        HWND window = childWindow(window_, child);
        if (!window || !accessibilityFunctions().objectFromWindow)
            return standard_->get_accChild(child, found);
        return accessibilityFunctions().objectFromWindow(
            window, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void**>(found));
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~AccessibleControl() { standard_->Release(); }

    HWND window_;
    IAccessible* standard_;
    std::atomic<ULONG> references_{1};
};

// The answer to WM_GETOBJECT for a control's client area, or 0 to let the control's own
// window procedure answer (oleacc missing, or the object could not be made).
LRESULT accessibleObjectResult(HWND control, WPARAM wParam) {
    AccessibleFacts facts;
    const AccessibilityFunctions& library = accessibilityFunctions();
    if (!factsOf(control, facts) || !library.createStandard || !library.resultFromObject ||
        !library.allocateString)
        return 0;
    initialiseCom(); // the object is marshalled to the asking process
    IAccessible* standard = nullptr;
    if (FAILED(library.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                      reinterpret_cast<void**>(&standard))))
        return 0;
    auto* object = new (std::nothrow) AccessibleControl(control, standard);
    if (!object) {
        standard->Release();
        return 0;
    }
    const LRESULT result = library.resultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result < 0 ? 0 : result;
}

LRESULT CALLBACK answeringProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT)
        if (const LRESULT object = accessibleObjectResult(window, wParam))
            return object;
    const auto replaced = reinterpret_cast<WNDPROC>(GetPropW(window, kReplacedProcedure));
    if (message == WM_NCDESTROY)
        RemovePropW(window, kReplacedProcedure);
    return CallWindowProcW(replaced, window, message, wParam, lParam);
}

} // namespace

void answerAssistiveSoftware(HWND control) {
    if (GetPropW(control, kReplacedProcedure))
        return; // answers already: replacing its own procedure would make it call itself
    const LONG_PTR replaced =
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answeringProcedure));
    SetPropW(control, kReplacedProcedure, reinterpret_cast<HANDLE>(replaced));
}

} // namespace forms
