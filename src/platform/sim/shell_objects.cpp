// Icons, popup menus and the notification area of the simulated desktop.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

#include "platform/sim/cp932.h"
#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_window_system.h"

namespace vm::sim {

namespace {

// The tip as a Japanese system's "A" calls would read it.
std::string TipText(const NotifyIconData& data) {
    const std::u16string_view tip(data.szTip, std::size(data.szTip));
    return ToCp932(tip.substr(0, tip.find(u'\0')));
}

// A text field of the record, up to its NUL (or its end).
template <std::size_t N>
std::u16string WideField(const char16_t (&field)[N]) {
    const std::u16string_view text(field, N);
    return std::u16string(text.substr(0, text.find(u'\0')));
}

} // namespace

HIcon SimDesktop::createIcon(std::uint32_t pid, std::string image) {
    const HIcon handle{++nextIcon_};
    icons_.emplace(handle, SimIcon{pid, std::move(image)});
    return handle;
}

std::size_t SimDesktop::liveIcons(std::uint32_t pid) const {
    return static_cast<std::size_t>(std::count_if(
        icons_.begin(), icons_.end(), [pid](const auto& icon) { return icon.second.pid == pid; }));
}

std::string SimDesktop::iconImage(HIcon icon) const {
    const auto it = icons_.find(icon);
    return it == icons_.end() ? std::string{} : it->second.image;
}

std::size_t SimDesktop::liveMenus(std::uint32_t pid) const {
    return static_cast<std::size_t>(std::count_if(
        menus_.begin(), menus_.end(), [pid](const auto& menu) { return menu.second.pid == pid; }));
}

void SimDesktop::releaseProcessObjects(std::uint32_t pid) {
    std::erase_if(icons_, [pid](const auto& icon) { return icon.second.pid == pid; });
    std::erase_if(menus_, [pid](const auto& menu) { return menu.second.pid == pid; });
    std::erase_if(winEventHooks_, [pid](const auto& hook) { return hook.second.pid == pid; });
}

bool SimDesktop::notifyIcon(std::uint32_t message, const NotifyIconData& data) {
    if (taskbar_ == 0 || notifyAreaRefuses_)
        return false;
    const auto it = std::find_if(notifyIcons_.begin(), notifyIcons_.end(), [&](const auto& icon) {
        return icon.window == data.hWnd && icon.id == data.uID;
    });
    const bool known = it != notifyIcons_.end();
    if (message == nim::DELETE_) {
        if (known)
            notifyIcons_.erase(it);
        return known;
    }
    if (message == nim::SETFOCUS) {
        if (known)
            ++it->focusReturns;
        return known;
    }
    if ((message == nim::ADD) == known || (message != nim::ADD && message != nim::MODIFY))
        return false;
    SimNotifyIcon& icon = known ? *it : notifyIcons_.emplace_back();
    icon.window = data.hWnd;
    icon.id = data.uID;
    if ((data.uFlags & nif::MESSAGE) != 0)
        icon.callbackMessage = data.uCallbackMessage;
    if ((data.uFlags & nif::ICON) != 0)
        icon.image = iconImage(data.hIcon);
    if ((data.uFlags & nif::TIP) != 0)
        icon.tip = TipText(data);
    if ((data.uFlags & nif::INFO) != 0 && data.szInfo[0] != u'\0')
        icon.balloons.push_back(
            {WideField(data.szInfoTitle), WideField(data.szInfo), data.dwInfoFlags, data.uTimeout});
    return true;
}

bool SimDesktop::notifyIconRect(Hwnd window, std::uint32_t id, Rect& rect) const {
    const auto it = std::find_if(notifyIcons_.begin(), notifyIcons_.end(), [&](const auto& icon) {
        return icon.window == window && icon.id == id;
    });
    const auto bar = windows_.find(taskbar_);
    if (!notifyIconRects_ || it == notifyIcons_.end() || bar == windows_.end())
        return false;
    constexpr int kSize = 16;
    const Rect band = bar->second->rect;
    const int right = band.right - 4 - static_cast<int>(it - notifyIcons_.begin()) * (kSize + 4);
    const int top = band.top + (band.bottom - band.top - kSize) / 2;
    rect = Rect{right - kSize, top, right, top + kSize};
    return true;
}

void SimDesktop::clickNotifyIcon(std::size_t index, std::uint32_t mouseMessage) {
    const SimNotifyIcon& icon = notifyIcons_.at(index);
    if (const SimWindow* target = find(icon.window))
        post(target->pid, icon.window, icon.callbackMessage, icon.id,
             static_cast<std::intptr_t>(mouseMessage));
}

int SimDesktop::trackMenu(std::uint32_t pid, HMenu menu, std::uint32_t flags, Point at,
                          Hwnd owner) {
    const auto it = menus_.find(menu);
    const SimWindow* ownerWindow = find(owner);
    if (it == menus_.end() || it->second.pid != pid || ownerWindow == nullptr)
        return 0;
    trackedMenus_.push_back({it->second.items, at, owner, flags});
    std::string choice;
    if (!menuChoices_.empty()) {
        choice = std::move(menuChoices_.front());
        menuChoices_.pop_front();
    }
    const auto& items = it->second.items;
    const auto chosen = std::find_if(items.begin(), items.end(), [&](const SimMenuItem& item) {
        return !choice.empty() && item.text == choice &&
               (item.flags & (mf::GRAYED | mf::SEPARATOR)) == 0;
    });
    if (chosen == items.end())
        return 0;
    if ((flags & tpm::RETURNCMD) != 0)
        return static_cast<int>(chosen->id);
    post(pid, owner, wm::COMMAND, chosen->id, 0);
    return 1;
}

HIcon SimWindowSystem::LoadImageA(int resourceId, std::uint32_t type, int cx, int cy,
                                  std::uint32_t flags) {
    desk_.logCall(pid_, "LoadImageA", resourceId, type, cx, cy, flags);
    if (type != image::ICON || desk_.iconResources_.count(resourceId) == 0)
        return 0;
    // The design's 32 x 32 is the usual size and goes unmentioned.
    const std::string size = cx == 32 || cx == 0 ? "" : "@" + std::to_string(cx);
    return desk_.createIcon(pid_, "resource:" + std::to_string(resourceId) + size);
}

HIcon SimWindowSystem::CopyIcon(HIcon icon) {
    desk_.logCall(pid_, "CopyIcon", icon);
    const auto it = desk_.icons_.find(icon);
    if (it == desk_.icons_.end())
        return 0;
    return desk_.createIcon(pid_, it->second.image);
}

bool SimWindowSystem::DestroyIcon(HIcon icon) {
    desk_.logCall(pid_, "DestroyIcon", icon);
    const auto it = desk_.icons_.find(icon);
    if (it == desk_.icons_.end() || it->second.pid != pid_)
        return false;
    desk_.icons_.erase(it);
    return true;
}

HMenu SimWindowSystem::CreatePopupMenu() {
    desk_.logCall(pid_, "CreatePopupMenu");
    const HMenu menu{++desk_.nextMenu_};
    desk_.menus_.emplace(menu, SimDesktop::SimMenu{pid_, {}});
    return menu;
}

bool SimWindowSystem::AppendMenuA(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                                  const char* text) {
    desk_.logCall(pid_, "AppendMenuA", menu, flags, id, (flags & mf::SEPARATOR) ? "-" : text);
    const auto it = desk_.menus_.find(menu);
    if (it == desk_.menus_.end() || it->second.pid != pid_)
        return false;
    const bool separator = (flags & mf::SEPARATOR) != 0;
    it->second.items.push_back({flags, id, separator || text == nullptr ? "" : text});
    return true;
}

bool SimWindowSystem::AppendMenuW(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                                  const char16_t* text) {
    const std::string textA = text == nullptr ? "" : ToCp932(text);
    return AppendMenuA(menu, flags, id, text == nullptr ? nullptr : textA.c_str());
}

int SimWindowSystem::TrackPopupMenu(HMenu menu, std::uint32_t flags, int x, int y, Hwnd owner) {
    desk_.logCall(pid_, "TrackPopupMenu", menu, flags, x, y, owner);
    return desk_.trackMenu(pid_, menu, flags, Point{x, y}, owner);
}

bool SimWindowSystem::DestroyMenu(HMenu menu) {
    desk_.logCall(pid_, "DestroyMenu", menu);
    const auto it = desk_.menus_.find(menu);
    if (it == desk_.menus_.end() || it->second.pid != pid_)
        return false;
    desk_.menus_.erase(it);
    return true;
}

} // namespace vm::sim
