#include <windows.h>

#include "../../../tools/taskbar_standin/dock_command.h"
#include "desktop_windows.h"
#include "polling.h"
#include "taskbar_standin.h"
#include "tool_paths.h"

namespace e2e {

namespace {

constexpr DWORD StartLimit = 15000;
constexpr DWORD MessageLimit = 5000;

const wchar_t* EdgeName(UINT edge) {
    switch (edge) {
        case ABE_BOTTOM:
            return L"bottom";
        case ABE_LEFT:
            return L"left";
        case ABE_RIGHT:
            return L"right";
        default:
            return L"top";
    }
}

std::wstring StandinArguments(const StandinSpec& spec) {
    std::wstring args = L"--edge " + std::wstring(EdgeName(spec.edge)) + L" --size " +
                        std::to_wstring(spec.thickness);
    if (spec.autoHide)
        args += L" --autohide";
    return args;
}

bool ShellReports(UINT edge) {
    const auto position = QueryTaskbarPosition();
    return position && position->edge == edge;
}

} // namespace

std::optional<TaskbarPosition> QueryTaskbarPosition() {
    APPBARDATA data{};
    data.cbSize = sizeof(data);
    if (SHAppBarMessage(ABM_GETTASKBARPOS, &data) == 0)
        return std::nullopt;
    return TaskbarPosition{data.uEdge, data.rc};
}

TaskbarStandin::TaskbarStandin(const StandinSpec& spec)
    : process_(StandinExePath(), StandinArguments(spec)), spec_(spec) {}

TaskbarStandin::~TaskbarStandin() {
    if (bar_ != nullptr && process_.Running()) {
        PostMessageW(bar_, WM_CLOSE, 0, 0);
        process_.WaitForExit(MessageLimit);
    }
}

bool TaskbarStandin::WaitUntilReady() {
    if (!process_.Started())
        return false;
    return WaitUntil(
        [this] {
            const auto bars = TopLevelWindowsOf(process_.Id(), standin::BarClassName);
            if (bars.empty() || !IsWindowVisible(bars.front()))
                return false;
            bar_ = bars.front();
            return ShellReports(spec_.edge);
        },
        StartLimit);
}

bool TaskbarStandin::Dock(UINT edge, int thickness) {
    static const UINT dockMessage = RegisterWindowMessageW(standin::DockMessageName);
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(bar_, dockMessage, edge, thickness, SMTO_ABORTIFHUNG, MessageLimit,
                             &answer) ||
        answer != 1)
        return false;
    spec_.edge = edge;
    return WaitUntil([edge] { return ShellReports(edge); }, MessageLimit);
}

unsigned TaskbarStandin::PositionQueries() const {
    static const UINT queryMessage = RegisterWindowMessageW(standin::QueryCountMessageName);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(bar_, queryMessage, 0, 0, SMTO_ABORTIFHUNG, MessageLimit, &answer);
    return static_cast<unsigned>(answer);
}

std::optional<BarAppearance> TaskbarStandin::Appearance() const {
    static const UINT appearanceMessage = RegisterWindowMessageW(standin::AppearanceMessageName);
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(bar_, appearanceMessage, 0, 0, SMTO_ABORTIFHUNG, MessageLimit,
                             &answer))
        return std::nullopt;
    const auto bits = static_cast<unsigned>(answer);
    return BarAppearance{
        .layered = (bits & standin::AppearanceLayered) != 0,
        .visible = (bits & standin::AppearanceVisible) != 0,
        .alphaSet = (bits & standin::AppearanceAlphaSet) != 0,
        .alpha = static_cast<int>((bits >> standin::AppearanceAlphaShift) & 0xFF),
    };
}

} // namespace e2e
