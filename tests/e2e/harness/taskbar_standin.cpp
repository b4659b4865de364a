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
    if (!spec.notifyLog.empty())
        args += L" --notify-log \"" + spec.notifyLog + L"\"";
    return args;
}

LRESULT Ask(HWND bar, const wchar_t* messageName, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(bar, RegisterWindowMessageW(messageName), wParam, lParam,
                             SMTO_ABORTIFHUNG, MessageLimit, &answer))
        return 0;
    return static_cast<LRESULT>(answer);
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

namespace e2e {

unsigned TaskbarStandin::IconCount() const {
    return static_cast<unsigned>(Ask(bar_, standin::IconCountMessageName));
}

std::optional<std::wstring> TaskbarStandin::IconTip(unsigned index) const {
    const auto atom = static_cast<ATOM>(Ask(bar_, standin::IconTipMessageName, index));
    if (atom == 0)
        return std::nullopt;
    wchar_t text[256] = {};
    const UINT length = GlobalGetAtomNameW(atom, text, 256);
    GlobalDeleteAtom(atom);
    const std::wstring prefixed(text, length);
    if (prefixed.rfind(standin::TipAtomPrefix, 0) != 0)
        return std::nullopt;
    return prefixed.substr(wcslen(standin::TipAtomPrefix));
}

HWND TaskbarStandin::IconOwner(unsigned index) const {
    return reinterpret_cast<HWND>(Ask(bar_, standin::IconOwnerMessageName, index));
}

bool TaskbarStandin::ClickIcon(unsigned index, UINT mouseMessage) const {
    return Ask(bar_, standin::IconClickMessageName, index, mouseMessage) == 1;
}

bool TaskbarStandin::WaitForOneIcon(const std::wstring& tip, DWORD limit) const {
    return WaitUntil([&] { return IconCount() == 1 && IconTip(0) == tip; }, limit);
}

} // namespace e2e
