#include "sim_desktop/sim_shell.h"

#include "sim_desktop/desktop_process.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

std::uintptr_t SimShell::SHAppBarMessage(std::uint32_t message, AppBarData& data) {
    desk_.logCall(pid_, "SHAppBarMessage", message, data.cbSize);
    // Without a taskbar nobody answers.
    const SimShellObjects& shell = desk_.shellObjects();
    if (shell.taskbar() == 0)
        return 0;
    if (message == abm::GETTASKBARPOS) {
        data.uEdge = shell.taskbarSpec().edge;
        data.rc = shell.appBarRect();
        return 1;
    }
    if (message == abm::GETSTATE)
        return (shell.taskbarSpec().autoHide ? abs_::AUTOHIDE : 0) | abs_::ALWAYSONTOP;
    return 0;
}

std::uintptr_t SimShell::SHGetFileInfoA(const char* path, std::uint32_t fileAttributes,
                                        ShFileInfo& info, std::uint32_t flags) {
    desk_.logCall(pid_, "SHGetFileInfoA", path, fileAttributes, flags);
    info = ShFileInfo{};
    // The shell asks for COM to be entered first; without it the icon
    // handlers it may need are out of reach.
    if (desk_.findProcess(pid_)->comEntries == 0)
        return 0;
    if (path == nullptr || !desk_.files().exists(path))
        return 0;
    // Each call hands out an icon of its own, as the shell does.
    if ((flags & shgfi::ICON) != 0)
        info.hIcon = desk_.shellObjects().createIcon(pid_, path);
    return 1;
}

bool SimShell::Shell_NotifyIconGetRect(Hwnd window, std::uint32_t id, Rect& rect) {
    desk_.logCall(pid_, "Shell_NotifyIconGetRect", window, id);
    const Hwnd bar = desk_.shellObjects().taskbar();
    return desk_.windows().exists(bar) &&
           desk_.shellObjects().notifyIconRect(window, id, desk_.windows().window(bar).rect, rect);
}

bool SimShell::Shell_NotifyIconW(std::uint32_t message, const NotifyIconData& data) {
    desk_.logCall(pid_, "Shell_NotifyIconW", message, data.cbSize, data.hWnd, data.uID, data.uFlags,
                  data.uCallbackMessage, data.hIcon);
    if (desk_.shellObjects().taskbar() == 0)
        return desk_.shellObjects().notifyIcon(message, data);
    // The record goes to the taskbar's thread in a send: the caller handles
    // what is sent to it while it waits.
    desk_.scheduler().receiveSent(pid_);
    const bool taken = desk_.shellObjects().notifyIcon(message, data);
    desk_.scheduler().receiveSent(pid_);
    return taken;
}

std::intptr_t SimShell::ShellExecuteA(Hwnd window, const char* operation, const char* file,
                                      const char* parameters, const char* directory,
                                      int showCommand) {
    desk_.logCall(pid_, "ShellExecuteA", window, operation, file, parameters, directory,
                  showCommand);
    return 42;
}

HResult SimShell::CoCreateInstanceShellLink(std::unique_ptr<IShellLinkWriter>& link) {
    desk_.logCall(pid_, "CoCreateInstance", "CLSID_ShellLink");
    link.reset();
    if (desk_.system().shellLinkFails)
        return hresult::CO_NOT_INITIALIZED;
    link = std::make_unique<SimShellLink>(desk_, pid_);
    return hresult::OK;
}

} // namespace vm::sim
