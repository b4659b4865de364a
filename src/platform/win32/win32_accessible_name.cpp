// A control's name for screen readers, given through the accessibility
// interfaces: the control answers WM_GETOBJECT with the system's own
// accessible object for it, whose name alone is replaced. A push button is
// named by its text otherwise, and two buttons of one text read alike.
// oleacc and oleaut32 are loaded, and COM entered, at the first question;
// where either is missing the control keeps its usual name.
#include <oleacc.h>

#include <new>
#include <string>

#include "platform/win32/on_demand_com.h"
#include "platform/win32/on_demand_library.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_window_system.h"

namespace vm::win32 {

using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);

static HMODULE oleacc = nullptr;
static HMODULE oleaut = nullptr;

inline constexpr wchar_t kNameProperty[] = L"VelmoraAccessibleName";

// What a named control keeps: its name and the procedure it had.
struct NamedControl {
    std::wstring name;
    WNDPROC previous = nullptr;
};

// The system's object with the name replaced; everything else is passed on.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* inner, const std::wstring& name) : inner_(inner), name_(name) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // Other interfaces (IEnumVARIANT, IOleWindow, ...) are the system's.
        return inner_->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = --refs_;
        if (left == 0) {
            inner_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr)
            return E_POINTER;
        const auto allocate =
            OnDemandProc<SysAllocStringFn>(oleaut, "oleaut32.dll", "SysAllocString");
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || allocate == nullptr)
            return inner_->get_accName(child, name);
        *name = allocate(name_.c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return inner_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
        return inner_->GetTypeInfo(index, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override {
        return inner_->GetIDsOfNames(iid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                                     UINT* argError) override {
        return inner_->Invoke(id, iid, lcid, flags, params, result, info, argError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return inner_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return inner_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return inner_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return inner_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return inner_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return inner_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return inner_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return inner_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return inner_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return inner_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return inner_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return inner_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return inner_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return inner_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return inner_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return inner_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return inner_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return inner_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return inner_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return inner_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() = default;

    IAccessible* inner_;
    std::wstring name_;
    LONG refs_ = 1;
};

// The answer to WM_GETOBJECT for the control's client object; 0 lets the
// control answer as usual.
static LRESULT NamedObject(HWND window, const NamedControl& named, WPARAM wParam) {
    const auto create = OnDemandProc<CreateStdAccessibleObjectFn>(oleacc, "oleacc.dll",
                                                                  "CreateStdAccessibleObject");
    const auto toResult =
        OnDemandProc<LresultFromObjectFn>(oleacc, "oleacc.dll", "LresultFromObject");
    if (create == nullptr || toResult == nullptr)
        return 0;
    IAccessible* inner = nullptr;
    if (FAILED(
            create(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&inner))))
        return 0;
    auto* object = new (std::nothrow) NamedAccessible(inner, named.name);
    if (object == nullptr) {
        inner->Release();
        return 0;
    }
    // LresultFromObject marshals the object for the asking program, which
    // needs COM on this thread; the program enters it only when first needed.
    EnterWantedCom();
    const LRESULT result = toResult(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result > 0 ? result : 0;
}

LRESULT CALLBACK NamedControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* named = static_cast<NamedControl*>(GetPropW(window, kNameProperty));
    if (named == nullptr)
        return DefWindowProcW(window, msg, wParam, lParam);
    const WNDPROC previous = named->previous;
    if (msg == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT answer = NamedObject(window, *named, wParam); answer != 0)
            return answer;
    } else if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kNameProperty);
        delete named;
    }
    return CallWindowProcW(previous, window, msg, wParam, lParam);
}

} // namespace vm::win32

namespace vm {

using win32::kNameProperty;
using win32::NamedControl;

bool Win32WindowSystem::SetAccessibleName(Hwnd control, const char16_t* name) {
    const HWND window = win32::ToHwnd(control);
    if (name == nullptr || !::IsWindow(window))
        return false;
    const auto* text = reinterpret_cast<const wchar_t*>(name);
    if (auto* named = static_cast<NamedControl*>(GetPropW(window, kNameProperty))) {
        named->name = text;
        return true;
    }
    auto* named = new (std::nothrow) NamedControl{text, nullptr};
    if (named == nullptr || !SetPropW(window, kNameProperty, named)) {
        delete named;
        return false;
    }
    named->previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&win32::NamedControlProc)));
    return true;
}

} // namespace vm
