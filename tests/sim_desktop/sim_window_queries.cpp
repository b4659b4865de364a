// The window system's queries on the simulated desktop: windows, their texts,
// classes, styles and owners, metrics, the cursor and the monitors.
#include "sim_desktop/sim_window_system.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "sim_desktop/cp932.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

bool SimWindowSystem::EnumWindows(const std::function<bool(Hwnd)>& proc) {
    desk_.logCall(pid_, "EnumWindows");
    return desk_.windows().enumWindows(proc);
}

Hwnd SimWindowSystem::GetForegroundWindow() {
    desk_.logCall(pid_, "GetForegroundWindow");
    return desk_.windows().foreground();
}

bool SimWindowSystem::IsWindow(Hwnd window) {
    desk_.logCall(pid_, "IsWindow", window);
    return desk_.windows().exists(window);
}

bool SimWindowSystem::IsWindowVisible(Hwnd window) {
    desk_.logCall(pid_, "IsWindowVisible", window);
    // A child is visible only while its parents are.
    for (const SimWindow* target = desk_.windows().find(window); target != nullptr;
         target = target->parent == 0 ? nullptr : desk_.windows().find(target->parent)) {
        if (!target->visible())
            return false;
        if (target->parent == 0)
            return true;
    }
    return false;
}

bool SimWindowSystem::IsWindowEnabled(Hwnd window) {
    desk_.logCall(pid_, "IsWindowEnabled", window);
    const SimWindow* target = desk_.windows().find(window);
    return target != nullptr && target->enabled();
}

bool SimWindowSystem::IsIconic(Hwnd window) {
    desk_.logCall(pid_, "IsIconic", window);
    const SimWindow* target = desk_.windows().find(window);
    return target != nullptr && target->minimized();
}

bool SimWindowSystem::IsZoomed(Hwnd window) {
    desk_.logCall(pid_, "IsZoomed", window);
    const SimWindow* target = desk_.windows().find(window);
    return target != nullptr && target->maximized();
}

int SimWindowSystem::GetWindowTextA(Hwnd window, char* buffer, int maxCount) {
    desk_.logCall(pid_, "GetWindowTextA", window, maxCount);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return CopyAnsi({}, buffer, maxCount);
    return CopyAnsi(target->titleA(), buffer, maxCount);
}

int SimWindowSystem::GetWindowTextLengthA(Hwnd window) {
    desk_.logCall(pid_, "GetWindowTextLengthA", window);
    const SimWindow* target = desk_.windows().find(window);
    return target == nullptr ? 0 : static_cast<int>(target->titleA().size());
}

int SimWindowSystem::GetWindowTextW(Hwnd window, char16_t* buffer, int maxCount) {
    desk_.logCall(pid_, "GetWindowTextW", window, maxCount);
    if (buffer == nullptr || maxCount <= 0)
        return 0;
    const SimWindow* target = desk_.windows().find(window);
    std::u16string_view text;
    if (target != nullptr)
        text = target->titleW;
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(maxCount) - 1);
    std::copy_n(text.data(), count, buffer);
    buffer[count] = u'\0';
    return static_cast<int>(count);
}

int SimWindowSystem::GetWindowTextLengthW(Hwnd window) {
    desk_.logCall(pid_, "GetWindowTextLengthW", window);
    const SimWindow* target = desk_.windows().find(window);
    return target == nullptr ? 0 : static_cast<int>(target->titleW.size());
}

int SimWindowSystem::GetClassNameA(Hwnd window, char* buffer, int maxCount) {
    desk_.logCall(pid_, "GetClassNameA", window, maxCount);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return CopyAnsi({}, buffer, maxCount);
    return CopyAnsi(target->className, buffer, maxCount);
}

bool SimWindowSystem::GetWindowRect(Hwnd window, Rect& rect) {
    desk_.logCall(pid_, "GetWindowRect", window);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return false;
    rect = desk_.windows().screenRect(*target);
    return true;
}

std::int32_t SimWindowSystem::GetWindowLongA(Hwnd window, int index) {
    desk_.logCall(pid_, "GetWindowLongA", window, index);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return 0;
    if (index == gwl::STYLE)
        return static_cast<std::int32_t>(target->style);
    if (index == gwl::EXSTYLE)
        return static_cast<std::int32_t>(target->exStyle);
    if (index == gwl::ID)
        return target->controlId;
    return 0;
}

std::uint32_t SimWindowSystem::GetWindowThreadProcessId(Hwnd window, std::uint32_t* processId) {
    desk_.logCall(pid_, "GetWindowThreadProcessId", window);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return 0;
    if (processId != nullptr)
        *processId = target->pid;
    return desk_.threadOf(target->pid);
}

Hwnd SimWindowSystem::TopmostTopLevel(const std::function<bool(const SimWindow&)>& matches) const {
    for (const Hwnd window : desk_.windows().zOrder()) {
        if (matches(desk_.windows().window(window)))
            return window;
    }
    return 0;
}

Hwnd SimWindowSystem::FindWindowA(const char* className, const char* windowName) {
    desk_.logCall(pid_, "FindWindowA", className, windowName);
    return TopmostTopLevel([&](const SimWindow& candidate) {
        return (className == nullptr || EqualsAsciiNoCase(candidate.className, className)) &&
               (windowName == nullptr || candidate.titleA() == windowName);
    });
}

Hwnd SimWindowSystem::FindWindowW(const char16_t* className, const char16_t* windowName) {
    desk_.logCall(pid_, "FindWindowW", className, windowName);
    const std::string classA = className == nullptr ? "" : ToCp932(className);
    return TopmostTopLevel([&](const SimWindow& candidate) {
        return (className == nullptr || EqualsAsciiNoCase(candidate.className, classA)) &&
               (windowName == nullptr || candidate.titleW == windowName);
    });
}

Hwnd SimWindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                    const char* windowName) {
    desk_.logCall(pid_, "FindWindowExA", parent, childAfter, className, windowName);
    std::vector<Hwnd> candidates;
    if (parent == 0 || parent == kDesktopWindow) {
        candidates = desk_.windows().zOrder();
    } else {
        const SimWindow* above = desk_.windows().find(parent);
        if (above == nullptr)
            return 0;
        candidates = above->children;
    }
    auto it = candidates.begin();
    if (childAfter != 0) {
        it = std::find(candidates.begin(), candidates.end(), childAfter);
        // A childAfter that is not one of them finds nothing, as on Windows.
        if (it == candidates.end())
            return 0;
        ++it;
    }
    for (; it != candidates.end(); ++it) {
        const SimWindow& candidate = desk_.windows().window(*it);
        if (className != nullptr && !EqualsAsciiNoCase(candidate.className, className))
            continue;
        if (windowName != nullptr && candidate.titleA() != windowName)
            continue;
        return *it;
    }
    return 0;
}

Hwnd SimWindowSystem::GetParent(Hwnd window) {
    desk_.logCall(pid_, "GetParent", window);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return 0;
    if (target->parent != 0)
        return target->parent;
    return (target->style & ws::POPUP) != 0 ? target->owner : 0;
}

Hwnd SimWindowSystem::GetDesktopWindow() {
    desk_.logCall(pid_, "GetDesktopWindow");
    return kDesktopWindow;
}

int SimWindowSystem::GetSystemMetrics(int index) {
    desk_.logCall(pid_, "GetSystemMetrics", index);
    return desk_.display().systemMetricForDpi(index, desk_.windows().systemDpiOf(pid_));
}

std::uint32_t SimWindowSystem::GetDpiForWindow(Hwnd window) {
    desk_.logCall(pid_, "GetDpiForWindow", window);
    const SimWindow* target = desk_.windows().find(window);
    return target != nullptr ? desk_.windows().dpiFor(*target) : 0;
}

std::uint32_t SimWindowSystem::GetDpiForSystem() {
    desk_.logCall(pid_, "GetDpiForSystem");
    return desk_.windows().systemDpiOf(pid_);
}

bool SimWindowSystem::GetCursorPos(Point& point) {
    desk_.logCall(pid_, "GetCursorPos");
    if (desk_.system().cursorFails)
        return false;
    point = desk_.system().cursor;
    return true;
}

HMonitor SimWindowSystem::MonitorFromWindow(Hwnd window, std::uint32_t flags) {
    desk_.logCall(pid_, "MonitorFromWindow", window, flags);
    return desk_.windows().monitorFromWindow(window, flags);
}

bool SimWindowSystem::GetMonitorInfoA(HMonitor monitor, MonitorInfo& info) {
    desk_.logCall(pid_, "GetMonitorInfoA", monitor, info.cbSize);
    // MONITORINFO or MONITORINFOEX, nothing else.
    if (info.cbSize != 40 && info.cbSize != 72)
        return false;
    const SimMonitor* found = desk_.display().find(monitor);
    if (found == nullptr)
        return false;
    info.rcMonitor = found->monitor;
    info.rcWork = found->work;
    info.dwFlags = found == &desk_.display().monitors().front() ? 1 : 0;
    return true;
}

bool SimWindowSystem::EnumDisplayMonitors(const std::function<bool(HMonitor)>& proc) {
    desk_.logCall(pid_, "EnumDisplayMonitors");
    std::vector<HMonitor> handles;
    for (const SimMonitor& monitor : desk_.display().monitors())
        handles.push_back(monitor.handle);
    for (const HMonitor handle : handles) {
        if (!proc(handle))
            return false;
    }
    return true;
}

} // namespace vm::sim
