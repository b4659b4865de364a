#include "ui/tray_icon_handler.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/constants.h"
#include "platform/private_ids.h"
#include "ui/tray_icon.h"

namespace vm {

namespace {

constexpr char kHandlerClass[] = "TTrayIconHandler";
// Common controls 4.71 (packed as major * 65536 + minor) came with the
// shell that announces its restart.
constexpr std::uint32_t kTaskbarCreatedVersion = 0x40047;

std::map<IWindowSystem*, std::unique_ptr<TrayIconHandler>>& Handlers() {
    static std::map<IWindowSystem*, std::unique_ptr<TrayIconHandler>> handlers;
    return handlers;
}

std::uint32_t CommonControlsVersion(IOperatingSystem& os) {
    DllVersionInfo info;
    if (!os.DllGetVersion("comctl32.dll", info))
        return 0;
    return (info.dwMajorVersion << 16) + info.dwMinorVersion;
}

} // namespace

TrayIconHandler& TrayIconHandler::Acquire(Platform& platform, TrayIcon& icon) {
    auto& slot = Handlers()[&platform.win];
    if (!slot)
        slot = std::make_unique<TrayIconHandler>(platform);
    slot->icons_.push_back(&icon);
    return *slot;
}

void TrayIconHandler::Release(TrayIcon& icon) {
    std::erase(icons_, &icon);
    if (icons_.empty())
        Handlers().erase(&platform_.win);
}

TrayIconHandler::TrayIconHandler(Platform& platform) : platform_(platform) {
    if (CommonControlsVersion(platform_.os) >= kTaskbarCreatedVersion)
        taskbarCreatedMessage_ = platform_.win.RegisterWindowMessageA("TaskbarCreated");
    window_ = ProgramWindow(
        platform_.win,
        {.className = kHandlerClass,
         .style = ws::POPUP,
         .proc = [this](Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                        std::intptr_t lParam) { return WindowProc(window, msg, wParam, lParam); }});
}

MsgResult TrayIconHandler::WindowProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
    if (gate_) {
        if (const MsgResult held = gate_(window, msg, wParam, lParam))
            return held;
    }
    if (msg == private_msg::TRAY_CALLBACK) {
        // wParam names the icon; a value that names none changes nothing.
        const auto it = std::find_if(icons_.begin(), icons_.end(), [wParam](const TrayIcon* icon) {
            return icon->Id() == wParam;
        });
        if (it != icons_.end())
            (*it)->HandleCallback(lParam);
        return 0;
    }
    if (msg == wm::TIMER) {
        // Each icon's retry timer carries the icon's id.
        const std::vector<TrayIcon*> icons = icons_;
        for (TrayIcon* icon : icons) {
            if (icon->Id() == wParam)
                icon->RetryAdd();
        }
        return 0;
    }
    if (taskbarCreatedMessage_ != 0 && msg == taskbarCreatedMessage_) {
        // An icon may go away while another is re-added; work on a copy.
        const std::vector<TrayIcon*> icons = icons_;
        for (TrayIcon* icon : icons)
            icon->TaskbarCreated();
        return 0;
    }
    // Neither the end of the session nor a close request takes this window
    // away: it goes with the last icon.
    if (msg == wm::QUERYENDSESSION || msg == wm::CLOSE)
        return 1;
    return std::nullopt;
}

} // namespace vm
