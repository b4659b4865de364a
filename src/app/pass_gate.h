// When the program's work runs: the one guard every handler runs under, the
// passes (never one inside another) and the one gate at the entry of the
// program's window procedures, which holds what arrives during a pass until
// it has ended.
#pragma once

#include <cstdint>
#include <string>

#include "app/deferred_messages.h"
#include "platform/platform.h"
#include "platform/types.h"
#include "ui/control.h"

namespace vm {

// What the gate asks of the program it guards.
class PassGateOwner {
public:
    // An error escaped a guarded handler; trace is its line of debug output.
    virtual void ErrorHook(const std::string& trace) = 0;
    // What cannot wait for the end of the pass; true when nothing is left
    // for after it.
    virtual bool ActNow(Hwnd window, std::uint32_t msg, std::uintptr_t wParam) = 0;
    // Once closed, nothing held is handled any more.
    virtual bool Closed() const = 0;

protected:
    ~PassGateOwner() = default;
};

class PassGate {
public:
    PassGate(Platform& platform, PassGateOwner& owner) : platform_(platform), owner_(owner) {}
    PassGate(const PassGate&) = delete;
    PassGate& operator=(const PassGate&) = delete;

    // mainWindow gets the gate's wake-up; a close request to it or to
    // appWindow makes what would only act before the end pointless.
    void Bind(Hwnd mainWindow, Hwnd appWindow) {
        mainWindow_ = mainWindow;
        appWindow_ = appWindow;
    }

    // Runs handler; an error escaping it goes to the owner's error hook.
    void Guarded(const Handler& handler);
    // Wraps a handler in the guard, for the clicks that come through other
    // windows (the tray's) or straight from the program.
    Handler Guard(Handler handler);
    // A tick, a full pass, the window-event check or a click on the tray
    // icon: guarded, never inside another, and what the gate held meanwhile
    // is handled once it has ended.
    void RunPass(const Handler& pass);
    bool InPass() const { return passDepth_ > 0; }
    // The answer for a message held; nullopt lets the message on into the
    // procedure.
    MsgResult Gate(Hwnd window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);
    // Handles what the gate held, oldest first, each through its window's
    // procedure, leaving out what a close made pointless.
    void ReleaseHeld();
    // The gate's rule: whether msg waits for a pass to end.
    static bool WaitsForThePass(std::uint32_t msg);

private:
    // Posts the gate's wake-up (HANDLE_DEFERRED), which comes after
    // everything the pass's own handler still does; false when it could not.
    bool PostRelease();
    bool IsCloseRequest(const DeferredMessage& message) const;
    bool PointlessAfterClose(const DeferredMessage& message) const;

    Platform& platform_;
    PassGateOwner& owner_;
    Hwnd mainWindow_ = 0;
    Hwnd appWindow_ = 0;
    int passDepth_ = 0;
    // The gate's messages, its wake-up posted, and whether one is being
    // handled (what arrives meanwhile waits behind those still held).
    DeferredMessages held_;
    bool releasePosted_ = false;
    bool releasing_ = false;
    bool handingOn_ = false; // a release is handing on one held message
};

} // namespace vm
