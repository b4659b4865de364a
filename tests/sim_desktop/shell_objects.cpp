// Icons, popup menus, the appbar and the notification area of the simulated
// desktop.
#include "sim_desktop/shell_objects.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/constants.h"
#include "sim_desktop/cp932.h"

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

HIcon SimShellObjects::createIcon(std::uint32_t pid, std::string image) {
    const HIcon handle{++nextIcon_};
    icons_.emplace(handle, SimIcon{pid, std::move(image)});
    return handle;
}

HIcon SimShellObjects::copyIcon(std::uint32_t pid, HIcon icon) {
    const auto it = icons_.find(icon);
    if (it == icons_.end())
        return 0;
    return createIcon(pid, it->second.image);
}

bool SimShellObjects::destroyIcon(std::uint32_t pid, HIcon icon) {
    const auto it = icons_.find(icon);
    if (it == icons_.end() || it->second.pid != pid)
        return false;
    icons_.erase(it);
    return true;
}

std::size_t SimShellObjects::liveIcons(std::uint32_t pid) const {
    return static_cast<std::size_t>(std::count_if(
        icons_.begin(), icons_.end(), [pid](const auto& icon) { return icon.second.pid == pid; }));
}

std::string SimShellObjects::iconImage(HIcon icon) const {
    const auto it = icons_.find(icon);
    return it == icons_.end() ? std::string{} : it->second.image;
}

HMenu SimShellObjects::createMenu(std::uint32_t pid) {
    const HMenu menu{++nextMenu_};
    menus_.emplace(menu, SimMenu{pid, {}});
    return menu;
}

bool SimShellObjects::appendMenu(std::uint32_t pid, HMenu menu, SimMenuItem item) {
    const auto it = menus_.find(menu);
    if (it == menus_.end() || it->second.pid != pid)
        return false;
    it->second.items.push_back(std::move(item));
    return true;
}

bool SimShellObjects::destroyMenu(std::uint32_t pid, HMenu menu) {
    const auto it = menus_.find(menu);
    if (it == menus_.end() || it->second.pid != pid)
        return false;
    menus_.erase(it);
    return true;
}

std::size_t SimShellObjects::liveMenus(std::uint32_t pid) const {
    return static_cast<std::size_t>(std::count_if(
        menus_.begin(), menus_.end(), [pid](const auto& menu) { return menu.second.pid == pid; }));
}

std::optional<SimMenuItem> SimShellObjects::trackMenu(std::uint32_t pid, HMenu menu,
                                                      std::uint32_t flags, Point at, Hwnd owner) {
    const auto it = menus_.find(menu);
    if (it == menus_.end() || it->second.pid != pid)
        return std::nullopt;
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
        return std::nullopt;
    return *chosen;
}

void SimShellObjects::setTaskbar(Hwnd bar, const TaskbarSpec& spec) {
    taskbar_ = bar;
    taskbarSpec_ = spec;
    appBarRect_ = spec.rect;
}

void SimShellObjects::windowGone(Hwnd window) {
    if (taskbar_ == window) {
        taskbar_ = 0;
        notifyIcons_.clear();
    }
}

bool SimShellObjects::notifyIcon(std::uint32_t message, const NotifyIconData& data) {
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

bool SimShellObjects::notifyIconRect(Hwnd window, std::uint32_t id, Rect band, Rect& rect) const {
    const auto it = std::find_if(notifyIcons_.begin(), notifyIcons_.end(), [&](const auto& icon) {
        return icon.window == window && icon.id == id;
    });
    if (!notifyIconRects_ || it == notifyIcons_.end())
        return false;
    constexpr int kSize = 16;
    const int right = band.right - 4 - static_cast<int>(it - notifyIcons_.begin()) * (kSize + 4);
    const int top = band.top + (band.bottom - band.top - kSize) / 2;
    rect = Rect{right - kSize, top, right, top + kSize};
    return true;
}

void SimShellObjects::releaseProcess(std::uint32_t pid) {
    std::erase_if(icons_, [pid](const auto& icon) { return icon.second.pid == pid; });
    std::erase_if(menus_, [pid](const auto& menu) { return menu.second.pid == pid; });
}

} // namespace vm::sim
