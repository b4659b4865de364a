#include "ui/tray_icon_handler.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/constants.h"
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
    window_ = platform_.win.CreateWindowExA(
        0, kHandlerClass, "", ws::POPUP, 0, 0, 0, 0, 0,
        [this](Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
            return WindowProc(msg, wParam, lParam);
        });
}

TrayIconHandler::~TrayIconHandler() {
    if (window_ != 0)
        platform_.win.DestroyWindow(window_);
}

std::intptr_t TrayIconHandler::WindowProc(std::uint32_t msg, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    if (msg == kTrayCallbackMessage) {
        // wParam names the icon; a value that names none changes nothing.
        const auto it = std::find_if(icons_.begin(), icons_.end(), [wParam](const TrayIcon* icon) {
            return icon->Id() == wParam;
        });
        if (it != icons_.end())
            (*it)->HandleCallback(lParam);
        return 0;
    }
    if (taskbarCreatedMessage_ != 0 && msg == taskbarCreatedMessage_) {
        // An icon may go away while another is re-added; work on a copy.
        const std::vector<TrayIcon*> icons = icons_;
        for (TrayIcon* icon : icons)
            icon->TaskbarCreated();
        return 0;
    }
    switch (msg) {
        case wm::QUERYENDSESSION:
        case wm::ENDSESSION:
        case wm::DESTROY:
        case wm::CLOSE:
        case wm::QUIT:
        case wm::NCDESTROY:
            return 1;
        default:
            return 0;
    }
}

} // namespace vm
