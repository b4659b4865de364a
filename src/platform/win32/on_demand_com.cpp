#include "platform/win32/on_demand_com.h"

#include "platform/win32/on_demand_library.h"

namespace vm::win32 {

namespace {

struct ComState {
    bool wanted = false;
    bool tried = false;
    bool entered = false;
    HMODULE ole32 = nullptr;
};

ComState& State() {
    static ComState state;
    return state;
}

} // namespace

bool EnterWantedCom() {
    ComState& s = State();
    if (!s.wanted)
        return false;
    if (!s.tried) {
        s.tried = true;
        const auto coInitialize =
            OnDemandProc<HRESULT(WINAPI*)(LPVOID)>(s.ole32, "ole32.dll", "CoInitialize");
        s.entered = coInitialize != nullptr && SUCCEEDED(coInitialize(nullptr));
    }
    return s.entered;
}

void WantCom() {
    State().wanted = true;
}

void LeaveCom() {
    ComState& s = State();
    if (s.entered) {
        const auto coUninitialize =
            OnDemandProc<void(WINAPI*)()>(s.ole32, "ole32.dll", "CoUninitialize");
        if (coUninitialize != nullptr)
            coUninitialize();
    }
    // ole32 stays loaded: another entry may follow.
    s.wanted = false;
    s.tried = false;
    s.entered = false;
}

HRESULT CreateComInstance(REFCLSID clsid, DWORD context, REFIID iid, void** object) {
    if (!EnterWantedCom())
        return CO_E_NOTINITIALIZED;
    const auto coCreateInstance =
        OnDemandProc<HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*)>(
            State().ole32, "ole32.dll", "CoCreateInstance");
    if (coCreateInstance == nullptr)
        return E_FAIL;
    return coCreateInstance(clsid, nullptr, context, iid, object);
}

} // namespace vm::win32
