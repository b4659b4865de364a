// Window events through SetWinEventHook, called through the addresses the
// program looked up. The system's callback carries no user data, so each
// hook's procedure is found by the hook's handle; every hook belongs to the
// program's one thread.
#include "platform/win32/win32_api.h"

#include "platform/win32/win32_error_trace.h"
#include "platform/win32/win32_window_system.h"

#include <map>
#include <utility>

namespace vm {

using win32::FromHandle;
using win32::ToHandle;

namespace {

std::map<HWinEventHook, WinEventProc>& Procs() {
    static std::map<HWinEventHook, WinEventProc> procs;
    return procs;
}

void CALLBACK WinEventTrampoline(HWINEVENTHOOK hook, DWORD event, HWND window, LONG idObject,
                                 LONG idChild, DWORD eventThread, DWORD timeMs) {
    const auto found = Procs().find(FromHandle(hook));
    if (found == Procs().end())
        return;
    // A copy: the procedure may unhook itself.
    const WinEventProc proc = found->second;
    // Nothing may unwind through the system's frames; the program guards its
    // own handlers, so whatever arrives here is dropped.
    try {
        proc(FromHandle(hook), event, FromHandle(window), idObject, idChild, eventThread, timeMs);
    } catch (...) {
        win32::TraceError();
    }
}

} // namespace

HWinEventHook Win32WindowSystem::SetWinEventHook(FarProc entry, std::uint32_t eventMin,
                                                 std::uint32_t eventMax, WinEventProc proc,
                                                 std::uint32_t processId, std::uint32_t threadId,
                                                 std::uint32_t flags) {
    using SetWinEventHookProc =
        HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
    if (entry == 0)
        return 0;
    const auto call = reinterpret_cast<SetWinEventHookProc>(entry);
    const HWINEVENTHOOK hook =
        call(eventMin, eventMax, nullptr, WinEventTrampoline, processId, threadId, flags);
    if (hook == nullptr)
        return 0;
    Procs()[FromHandle(hook)] = std::move(proc);
    return FromHandle(hook);
}

bool Win32WindowSystem::UnhookWinEvent(FarProc entry, HWinEventHook hook) {
    using UnhookWinEventProc = BOOL(WINAPI*)(HWINEVENTHOOK);
    Procs().erase(hook);
    if (entry == 0)
        return false;
    return reinterpret_cast<UnhookWinEventProc>(entry)(ToHandle<HWINEVENTHOOK>(hook)) != FALSE;
}

} // namespace vm
