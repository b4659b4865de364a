#include "ui/tray_icon.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/constants.h"
#include "ui/tray_icon_handler.h"

namespace vm {

namespace {
// The tip holds at most 127 characters and its terminating zero.
constexpr std::size_t kTipChars = std::size(NotifyIconData{}.szTip) - 1;
} // namespace

TrayIcon::~TrayIcon() {
    if (platform_ == nullptr)
        return;
    Notify(nim::DELETE_);
    handler_->Release(*this);
}

void TrayIcon::Bind(Platform& platform, const TrayImages& images, Hwnd form) {
    if (platform_ != nullptr)
        return;
    platform_ = &platform;
    images_ = &images;
    form_ = form;
    handler_ = &TrayIconHandler::Acquire(platform, *this);
    id_ = handler_->NextIconId();
}

void TrayIcon::SetIconVisible(bool visible) {
    iconVisible_ = visible;
    Notify(visible ? nim::ADD : nim::DELETE_);
    Changed();
}

void TrayIcon::SetImage(IconState image) {
    image_ = image;
    if (platform_ != nullptr) {
        ImageCopy& copy = copies_[static_cast<std::size_t>(image)];
        if (!copy.icon || copy.generation != images_->Generation()) {
            // The shell keeps a copy of its own of the icon it was sent.
            const HIcon source = images_->Image(image);
            copy = {Own(platform_->win, source ? platform_->win.CopyIcon(source) : HIcon{}),
                    images_->Generation()};
        }
        icon_ = copy.icon.Get();
    }
    Notify(nim::MODIFY);
    Changed();
}

void TrayIcon::SetHint(UiText hint) {
    hint_ = CaptionText(hint);
    Notify(nim::MODIFY);
    Changed();
}

NotifyIconData TrayIcon::Record() const {
    NotifyIconData data;
    data.hWnd = handler_->Window();
    data.uID = id_;
    data.uFlags = nif::MESSAGE | nif::ICON | nif::TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_;
    if (showHint_) {
        const std::u16string& tip = hint_.wide;
        std::copy_n(tip.begin(), std::min(tip.size(), kTipChars), data.szTip);
    }
    return data;
}

// The shell's answer is not looked at: adding an icon that is there, or
// changing one that is not, does no harm, and the next add sends it all.
void TrayIcon::Notify(std::uint32_t message) {
    if (platform_ != nullptr)
        platform_->shell.Shell_NotifyIconW(message, Record());
}

void TrayIcon::HandleCallback(std::intptr_t lParam) {
    if (!enabled_)
        return;
    switch (static_cast<std::uint32_t>(lParam)) {
        case wm::RBUTTONDOWN:
            if (Menu != nullptr) {
                platform_->win.SetForegroundWindow(handler_->Window());
                ShowTrayMenu();
            }
            break;
        case wm::LBUTTONDBLCLK:
            if (OnDblClick)
                OnDblClick();
            break;
        default:
            break;
    }
}

void TrayIcon::TaskbarCreated() {
    if (iconVisible_)
        Notify(nim::ADD);
}

void TrayIcon::ShowTrayMenu() {
    if (platform_ == nullptr || Menu == nullptr)
        return;
    IWindowSystem& win = platform_->win;
    Point cursor;
    if (!win.GetCursorPos(cursor))
        return;
    // The menu closes properly when the user clicks elsewhere only if its
    // owner is in front.
    win.SetForegroundWindow(handler_->Window());
    win.ProcessMessages();
    Menu->Popup(win, handler_->Window(), cursor);
    win.PostMessageA(form_, wm::NULL_, 0, 0);
}

} // namespace vm
