// The icon and popup menu calls of a program on the simulated desktop,
// carried out by its shell objects.
#include <string>

#include "sim_desktop/cp932.h"
#include "sim_desktop/sim_desktop.h"
#include "sim_desktop/sim_window_system.h"

namespace vm::sim {

HIcon SimWindowSystem::LoadImageA(int resourceId, std::uint32_t type, int cx, int cy,
                                  std::uint32_t flags) {
    desk_.logCall(pid_, "LoadImageA", resourceId, type, cx, cy, flags);
    if (type != image::ICON || !desk_.shellObjects().hasIconResource(resourceId))
        return 0;
    // The design's 32 x 32 is the usual size and goes unmentioned.
    const std::string size = cx == 32 || cx == 0 ? "" : "@" + std::to_string(cx);
    return desk_.shellObjects().createIcon(pid_, "resource:" + std::to_string(resourceId) + size);
}

HIcon SimWindowSystem::CopyIcon(HIcon icon) {
    desk_.logCall(pid_, "CopyIcon", icon);
    return desk_.shellObjects().copyIcon(pid_, icon);
}

bool SimWindowSystem::DestroyIcon(HIcon icon) {
    desk_.logCall(pid_, "DestroyIcon", icon);
    return desk_.shellObjects().destroyIcon(pid_, icon);
}

HMenu SimWindowSystem::CreatePopupMenu() {
    desk_.logCall(pid_, "CreatePopupMenu");
    return desk_.shellObjects().createMenu(pid_);
}

bool SimWindowSystem::AppendMenuA(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                                  const char* text) {
    desk_.logCall(pid_, "AppendMenuA", menu, flags, id, (flags & mf::SEPARATOR) ? "-" : text);
    const bool separator = (flags & mf::SEPARATOR) != 0;
    return desk_.shellObjects().appendMenu(pid_, menu,
                                           {flags, id, separator || text == nullptr ? "" : text});
}

bool SimWindowSystem::AppendMenuW(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                                  const char16_t* text) {
    const std::string textA = text == nullptr ? "" : ToCp932(text);
    return AppendMenuA(menu, flags, id, text == nullptr ? nullptr : textA.c_str());
}

int SimWindowSystem::TrackPopupMenu(HMenu menu, std::uint32_t flags, int x, int y, Hwnd owner) {
    desk_.logCall(pid_, "TrackPopupMenu", menu, flags, x, y, owner);
    if (!desk_.windows().exists(owner))
        return 0;
    const std::optional<SimMenuItem> chosen =
        desk_.shellObjects().trackMenu(pid_, menu, flags, Point{x, y}, owner);
    if (!chosen)
        return 0;
    if ((flags & tpm::RETURNCMD) != 0)
        return static_cast<int>(chosen->id);
    desk_.scheduler().post(pid_, owner, wm::COMMAND, chosen->id, 0);
    return 1;
}

bool SimWindowSystem::DestroyMenu(HMenu menu) {
    desk_.logCall(pid_, "DestroyMenu", menu);
    return desk_.shellObjects().destroyMenu(pid_, menu);
}

} // namespace vm::sim
