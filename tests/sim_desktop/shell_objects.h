// What the shell and user32 keep for the programs besides windows: icons,
// popup menus, and the taskbar's appbar answers and notification area. It
// knows no windows: callers say where the taskbar is and deliver the
// messages it asks for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"
#include "sim_desktop/sim_records.h"

namespace vm::sim {

class SimShellObjects {
public:
    // Icons. The program's module holds the icon resources with these ids
    // (default: those of Velmora.exe); LoadImageA of an id not among them
    // fails.
    void setIconResources(std::set<int> ids) { iconResources_ = std::move(ids); }
    bool hasIconResource(int id) const { return iconResources_.count(id) != 0; }
    HIcon createIcon(std::uint32_t pid, std::string image);
    // A copy owned by pid; 0 when icon is no live icon.
    HIcon copyIcon(std::uint32_t pid, HIcon icon);
    // Only the owner destroys its icon.
    bool destroyIcon(std::uint32_t pid, HIcon icon);
    std::size_t liveIcons(std::uint32_t pid) const;
    // "resource:<id>" (at 32 x 32, else "resource:<id>@<width>") or the
    // file it came from; "" for a handle that is no live icon.
    std::string iconImage(HIcon icon) const;

    // Popup menus; only the owner changes, opens or destroys its menu.
    HMenu createMenu(std::uint32_t pid);
    bool appendMenu(std::uint32_t pid, HMenu menu, SimMenuItem item);
    bool destroyMenu(std::uint32_t pid, HMenu menu);
    std::size_t liveMenus(std::uint32_t pid) const;
    // The user's choice in the next menus that open, by caption, one per
    // menu; "" or no choice dismisses the menu. A grayed item cannot be
    // chosen.
    void chooseMenuItem(std::string caption) { menuChoices_.push_back(std::move(caption)); }
    const std::vector<SimTrackedMenu>& trackedMenus() const { return trackedMenus_; }
    // The menu opens and the next choice is made: the item chosen, or
    // nothing (dismissed, a grayed item, a menu of another process).
    std::optional<SimMenuItem> trackMenu(std::uint32_t pid, HMenu menu, std::uint32_t flags,
                                         Point at, Hwnd owner);

    // The taskbar window (0: none) and what the appbar messages answer.
    Hwnd taskbar() const { return taskbar_; }
    const TaskbarSpec& taskbarSpec() const { return taskbarSpec_; }
    Rect appBarRect() const { return appBarRect_; }
    void setTaskbar(Hwnd bar, const TaskbarSpec& spec);
    // The appbar rectangle alone, as when an auto-hidden bar slid away.
    void setAppBarRect(Rect rect) { appBarRect_ = rect; }
    // A window is gone: with the taskbar go the notification area's icons.
    void windowGone(Hwnd window);

    // The notification area, in the order of adding; it answers only while
    // a taskbar exists. A new taskbar's notification area starts empty.
    const std::vector<SimNotifyIcon>& notifyIcons() const { return notifyIcons_; }
    bool notifyIcon(std::uint32_t message, const NotifyIconData& data);
    // At logon the shell may exist before its notification area takes
    // icons: while this is on, every Shell_NotifyIcon call fails.
    void setNotifyAreaRefuses(bool on) { notifyAreaRefuses_ = on; }
    // Windows 7 and later say where an icon is (Shell_NotifyIconGetRect):
    // 16 x 16 at the taskbar's far end, the first icon rightmost. Off, as
    // on the earlier systems, by default.
    void setNotifyIconRects(bool on) { notifyIconRects_ = on; }
    // Where the icon sits on a taskbar at band.
    bool notifyIconRect(Hwnd window, std::uint32_t id, Rect band, Rect& rect) const;

    // What a process leaves behind when it ends.
    void releaseProcess(std::uint32_t pid);

private:
    struct SimIcon {
        std::uint32_t pid;
        std::string image;
    };
    struct SimMenu {
        std::uint32_t pid;
        std::vector<SimMenuItem> items;
    };

    std::set<int> iconResources_{1, 100, 101, 102};
    std::map<HIcon, SimIcon> icons_;
    std::uintptr_t nextIcon_ = 0x7000;
    std::map<HMenu, SimMenu> menus_;
    std::uintptr_t nextMenu_ = 0x9000;
    std::deque<std::string> menuChoices_;
    std::vector<SimTrackedMenu> trackedMenus_;
    Hwnd taskbar_ = 0;
    TaskbarSpec taskbarSpec_;
    Rect appBarRect_;
    std::vector<SimNotifyIcon> notifyIcons_;
    bool notifyAreaRefuses_ = false;
    bool notifyIconRects_ = false;
};

} // namespace vm::sim
