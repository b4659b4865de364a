// The windows a program creates itself on the simulated desktop, with their
// timers and message loop, its child controls, the focus and repainting.
#include "sim_desktop/sim_window_system.h"

#include <utility>

#include "sim_desktop/cp932.h"
#include "sim_desktop/desktop_process.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

Hwnd SimWindowSystem::CreateProgramWindow(ProgramWindowSpec spec) {
    desk_.logCall(pid_, "CreateWindowExA", spec.exStyle, spec.className, spec.title, spec.style,
                  spec.x, spec.y, spec.width, spec.height, spec.owner);
    if (spec.className == nullptr || !desk_.findProcess(pid_)->alive)
        return 0;
    auto window = std::make_unique<SimWindow>();
    window->className = spec.className;
    window->titleW = FromCp932(spec.title == nullptr ? "" : spec.title);
    window->rect = {spec.x, spec.y, spec.x + spec.width, spec.y + spec.height};
    window->normalRect = window->rect;
    window->style = spec.style & ~(ws::MINIMIZE | ws::MAXIMIZE);
    window->exStyle = spec.exStyle;
    window->pid = pid_;
    // For a child window the owner is its parent, as in Win32.
    if ((spec.style & ws::CHILD) != 0) {
        if (spec.owner == 0 || !desk_.windows().exists(spec.owner))
            return 0;
        window->parent = spec.owner;
    } else {
        window->owner = spec.owner;
    }
    window->proc = std::move(spec.proc);
    SimWindow& added = desk_.windows().insert(std::move(window));
    added.dpi = desk_.windows().dpiFor(added);
    return added.handle;
}

bool SimWindowSystem::DestroyWindow(Hwnd window) {
    desk_.logCall(pid_, "DestroyWindow", window);
    // Only the thread that made a window may destroy it.
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || target->pid != pid_)
        return false;
    desk_.windows().destroyWithOwned(window, true);
    return true;
}

bool SimWindowSystem::SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) {
    desk_.logCall(pid_, "SetTimer", window, id, elapseMs);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || target->pid != pid_)
        return false;
    desk_.scheduler().setTimer(pid_, window, id, elapseMs);
    return true;
}

bool SimWindowSystem::KillTimer(Hwnd window, std::uintptr_t id) {
    desk_.logCall(pid_, "KillTimer", window, id);
    return desk_.scheduler().killTimer(pid_, window, id);
}

void SimWindowSystem::PostQuitMessage(int exitCode) {
    desk_.logCall(pid_, "PostQuitMessage", exitCode);
    desk_.scheduler().postQuit(pid_, exitCode);
}

int SimWindowSystem::RunMessageLoop() {
    desk_.logCall(pid_, "RunMessageLoop");
    return desk_.scheduler().runMessageLoop(pid_);
}

void SimWindowSystem::ProcessMessages() {
    desk_.logCall(pid_, "ProcessMessages");
    desk_.scheduler().processMessages(pid_);
}

Hwnd SimWindowSystem::CreateControl(const ControlSpec& spec) {
    desk_.logCall(pid_, "CreateWindowExA", spec.exStyle, spec.className, spec.text, spec.style,
                  spec.x, spec.y, spec.width, spec.height, spec.parent, spec.id);
    return desk_.controls().createChild(pid_, spec.exStyle, spec.className, spec.text, spec.style,
                                        {spec.x, spec.y, spec.x + spec.width, spec.y + spec.height},
                                        spec.parent, spec.id);
}

bool SimWindowSystem::EnableWindow(Hwnd window, bool enable) {
    desk_.logCall(pid_, "EnableWindow", window, enable);
    SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return false;
    const bool wasDisabled = !target->enabled();
    target->setEnabled(enable);
    // A disabled window loses the keyboard focus.
    if (!enable && desk_.windows().focus() != 0) {
        for (SimWindow* w = desk_.windows().find(desk_.windows().focus()); w != nullptr;
             w = w->parent == 0 ? nullptr : desk_.windows().find(w->parent)) {
            if (w == target) {
                desk_.windows().setFocus(0);
                break;
            }
        }
    }
    return wasDisabled;
}

Hwnd SimWindowSystem::SetFocus(Hwnd window) {
    desk_.logCall(pid_, "SetFocus", window);
    const Hwnd old = desk_.windows().focus();
    if (window != 0) {
        const SimWindow* target = desk_.windows().find(window);
        // Only a window of the caller's thread that is not disabled.
        if (target == nullptr || target->pid != pid_ || !target->enabled())
            return 0;
    }
    desk_.windows().setFocus(window);
    return old;
}

Hwnd SimWindowSystem::GetNextDlgTabItem(Hwnd dialog, Hwnd control, bool previous) {
    desk_.logCall(pid_, "GetNextDlgTabItem", dialog, control);
    const SimWindow* owner = desk_.windows().find(dialog);
    if (owner == nullptr || owner->pid != pid_)
        return 0;
    return desk_.controls().nextTabStop(dialog, control, previous);
}

Hwnd SimWindowSystem::GetFocus() {
    desk_.logCall(pid_, "GetFocus");
    const SimWindow* focused = desk_.windows().find(desk_.windows().focus());
    return focused != nullptr && focused->pid == pid_ ? focused->handle : 0;
}

Hwnd SimWindowSystem::GetDlgItem(Hwnd dialog, int controlId) {
    desk_.logCall(pid_, "GetDlgItem", dialog, controlId);
    const SimWindow* parent = desk_.windows().find(dialog);
    if (parent == nullptr)
        return 0;
    for (const Hwnd child : parent->children) {
        if (desk_.windows().window(child).controlId == controlId)
            return child;
    }
    return 0;
}

int SimWindowSystem::GetDlgCtrlID(Hwnd window) {
    desk_.logCall(pid_, "GetDlgCtrlID", window);
    const SimWindow* target = desk_.windows().find(window);
    return target == nullptr || target->parent == 0 ? 0 : target->controlId;
}

bool SimWindowSystem::InitCommonControlsEx(std::uint32_t classes) {
    desk_.logCall(pid_, "InitCommonControlsEx", classes);
    desk_.controls().registerCommonControls(classes);
    return true;
}

bool SimWindowSystem::IsAppThemed() {
    desk_.logCall(pid_, "IsAppThemed");
    return desk_.controls().themed();
}

bool SimWindowSystem::RedrawWindow(Hwnd window, std::uint32_t flags) {
    desk_.logCall(pid_, "RedrawWindow", window, flags);
    if (!desk_.windows().exists(window))
        return false;
    desk_.gdi().countRedraw(window);
    return true;
}

} // namespace vm::sim
