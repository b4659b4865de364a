#include "ui/tray_icon.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/constants.h"
#include "platform/private_ids.h"
#include "ui/tray_icon_handler.h"

namespace vm {

namespace {
// The tip holds at most 127 characters and its terminating zero.
constexpr std::size_t kTipChars = std::size(NotifyIconData{}.szTip) - 1;
} // namespace

TrayIcon::~TrayIcon() {
    if (platform_ == nullptr)
        return;
    StopRetry();
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
    if (visible) {
        Add();
    } else {
        StopRetry();
        shown_ = false;
        Notify(nim::DELETE_);
    }
    Changed();
}

void TrayIcon::Add() {
    if (platform_ == nullptr)
        return;
    // An add refused while the icon was thought shown finds it there.
    if (Notify(nim::ADD))
        shown_ = true;
    else if (!shown_)
        shown_ = Notify(nim::MODIFY);
    if (shown_) {
        StopRetry();
        SendBalloons();
    } else {
        StartRetry();
    }
}

void TrayIcon::StartRetry() {
    if (retriesLeft_ != 0)
        return;
    retriesLeft_ = kRetryAttempts;
    platform_->win.SetTimer(handler_->Window(), id_, kRetryIntervalMs);
}

void TrayIcon::StopRetry() {
    if (retriesLeft_ == 0)
        return;
    retriesLeft_ = 0;
    platform_->win.KillTimer(handler_->Window(), id_);
}

void TrayIcon::RetryAdd() {
    if (retriesLeft_ == 0)
        return;
    if (!iconVisible_ || shown_) {
        StopRetry();
        return;
    }
    const int left = retriesLeft_ - 1;
    Add();
    if (!shown_ && left == 0)
        StopRetry();
    else if (!shown_)
        retriesLeft_ = left;
}

void TrayIcon::ShowBalloon(UiText title, UiText text) {
    balloons_.push_back({title.wide, text.wide});
    SendBalloons();
}

void TrayIcon::SendBalloons() {
    if (platform_ == nullptr || !shown_)
        return;
    while (!balloons_.empty()) {
        NotifyIconData data = Record();
        data.uFlags |= nif::INFO;
        const Balloon& balloon = balloons_.front();
        std::copy_n(balloon.text.begin(), std::min(balloon.text.size(), std::size(data.szInfo) - 1),
                    data.szInfo);
        std::copy_n(balloon.title.begin(),
                    std::min(balloon.title.size(), std::size(data.szInfoTitle) - 1),
                    data.szInfoTitle);
        // Windows 2000 and XP keep it this long while the user is at the
        // keyboard; later systems follow the user's own setting.
        data.uTimeout = 15000;
        data.dwInfoFlags = niif::INFO;
        if (!platform_->shell.Shell_NotifyIconW(nim::MODIFY, data))
            return;
        balloons_.pop_front();
    }
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
    data.uCallbackMessage = private_msg::TRAY_CALLBACK;
    data.hIcon = icon_;
    if (showHint_) {
        const std::u16string& tip = hint_.wide;
        std::copy_n(tip.begin(), std::min(tip.size(), kTipChars), data.szTip);
    }
    return data;
}

// Changing an icon that is not there does no harm: the next add sends it
// all. A change the shell refuses while the icon was shown means the shell
// lost it, and the add is tried again.
bool TrayIcon::Notify(std::uint32_t message) {
    if (platform_ == nullptr)
        return false;
    const bool taken = platform_->shell.Shell_NotifyIconW(message, Record());
    if (message == nim::MODIFY && !taken && shown_ && iconVisible_) {
        shown_ = false;
        StartRetry();
    }
    return taken;
}

void TrayIcon::HandleCallback(std::intptr_t lParam) {
    if (!enabled_)
        return;
    switch (static_cast<std::uint32_t>(lParam)) {
        case wm::RBUTTONDOWN:
            if (Menu != nullptr)
                ShowTrayMenu();
            break;
        case wm::LBUTTONDBLCLK:
            if (OnDblClick)
                RunGated(OnDblClick);
            break;
        default:
            break;
    }
}

void TrayIcon::RunGated(const Handler& handler) {
    if (RunAlone)
        RunAlone(handler);
    else
        handler();
}

void TrayIcon::SetGate(WndProc gate) {
    if (handler_ != nullptr)
        handler_->SetGate(std::move(gate));
}

void TrayIcon::TaskbarCreated() {
    if (!iconVisible_)
        return;
    // A new shell holds no icon of ours: a refused add is tried again as at
    // the first add. An add refused because the shell kept the icon after
    // all still finds it there.
    shown_ = false;
    Add();
}

void TrayIcon::ShowTrayMenu() {
    if (platform_ == nullptr || Menu == nullptr)
        return;
    std::optional<MenuPlace> place;
    RunGated([this, &place] {
        platform_->win.SetForegroundWindow(handler_->Window());
        place = PrepareTrayMenu();
    });
    if (!place)
        return;
    IWindowSystem& win = platform_->win;
    const bool chosen = Menu->Popup(win, handler_->Window(), place->at, place->align);
    win.PostMessageA(form_, wm::NULL_, 0, 0);
    // Closed without a choice: the keyboard goes back to the notification
    // area, where the user left it.
    if (!chosen && place->fromKeyboard && shown_)
        platform_->shell.Shell_NotifyIconW(nim::SETFOCUS, Record());
}

std::optional<TrayIcon::MenuPlace> TrayIcon::PrepareTrayMenu() {
    IWindowSystem& win = platform_->win;
    Point cursor;
    if (!win.GetCursorPos(cursor))
        return std::nullopt;
    // Opened from the keyboard (Win+B, then Enter or Shift+F10), the menu
    // would open where the pointer happens to be, maybe on another monitor:
    // where the shell can say where the icon is, it opens there, away from
    // the bar.
    MenuPlace place{cursor};
    Rect icon;
    place.fromKeyboard = platform_->shell.Shell_NotifyIconGetRect(handler_->Window(), id_, icon) &&
                         !(cursor.x >= icon.left && cursor.x < icon.right && cursor.y >= icon.top &&
                           cursor.y < icon.bottom);
    if (place.fromKeyboard) {
        // Below an icon in the upper half of its monitor, else above it.
        bool lowerHalf = false;
        win.EnumDisplayMonitors([&](HMonitor monitor) {
            MonitorInfo info;
            const Rect& m = info.rcMonitor;
            if (!win.GetMonitorInfoA(monitor, info) || icon.left < m.left || icon.left >= m.right ||
                icon.top < m.top || icon.top >= m.bottom)
                return true;
            lowerHalf = icon.top - m.top > (m.bottom - m.top) / 2;
            return false;
        });
        place.at = Point{icon.left, lowerHalf ? icon.top : icon.bottom};
        place.align = lowerHalf ? tpm::BOTTOMALIGN : 0;
    }
    // The menu closes properly when the user clicks elsewhere only if its
    // owner is in front.
    win.SetForegroundWindow(handler_->Window());
    win.ProcessMessages();
    return place;
}

} // namespace vm
