// The hidden window that receives the shell's notifications for the tray
// icons of one program: one per window system, shared by its icons and
// destroyed with the last of them. It also listens for the shell's
// "TaskbarCreated" broadcast, which reaches every top-level window.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/program_window.h"

namespace vm {

class TrayIcon;

class TrayIconHandler {
public:
    // The handler of the platform's window system, created on first use;
    // every Acquire is matched by one Release.
    static TrayIconHandler& Acquire(Platform& platform, TrayIcon& icon);
    void Release(TrayIcon& icon);

    Hwnd Window() const { return window_.Get(); }
    // The next value that names an icon of this program.
    std::uint32_t NextIconId() { return ++lastIconId_; }
    // The program's gate, which every message meets first: an answer means
    // the gate holds the message for later (while the program's work runs,
    // the shell's callbacks, the timers and "TaskbarCreated" wait).
    void SetGate(WndProc gate) { gate_ = std::move(gate); }

    TrayIconHandler(Platform& platform);
    TrayIconHandler(const TrayIconHandler&) = delete;
    TrayIconHandler& operator=(const TrayIconHandler&) = delete;

private:
    MsgResult WindowProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                         std::intptr_t lParam);

    Platform& platform_;
    // 0 where the common controls are older than 4.71: then the icon is
    // never added again after a taskbar restart.
    std::uint32_t taskbarCreatedMessage_ = 0;
    std::vector<TrayIcon*> icons_;
    std::uint32_t lastIconId_ = 0;
    WndProc gate_;
    // Last, so the window goes before what its procedure uses.
    ProgramWindow window_;
};

} // namespace vm
