// What the settings window asks of the program whose main window it is. Its
// procedure cracks every message once; those that are the program's, not the
// window's, go here.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "ui/control.h"
#include "watcher/taskbar_info.h"

namespace vm {

class MainWindowHost {
public:
    // The one guard: an error escaping handler goes to the error hook.
    virtual void Guarded(const Handler& handler) = 0;
    // The gate at the entry of the program's window procedures: the answer
    // for a message it held; nullopt lets the message on into the procedure.
    virtual MsgResult Gate(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                           std::intptr_t lParam) = 0;
    virtual void OnTimer(std::uintptr_t id) = 0;
    // The window events' pending message.
    virtual void CheckWindowEvents() = 0;
    // The gate's wake-up: what it held is handled now.
    virtual void ReleaseHeld() = 0;
    // The hand-over of a second plain start.
    virtual void OnCopyData(const CopyDataStruct* data) = 0;
    // WM_CLOSE: the program closes, its settings saved.
    virtual void OnCloseMessage() = 0;
    virtual void OnEndSession() = 0;
    virtual void OnDisplayChange() = 0;
    // The settings window moved to a monitor of another scale: the tray
    // images follow.
    virtual void OnDpiChanged(std::uint32_t dpi) = 0;
    // Where the settings window is placed: on the taskbar's monitor, its top
    // at the watch position.
    virtual const TaskbarInfo& Taskbar() const = 0;

protected:
    ~MainWindowHost() = default;
};

} // namespace vm
