// The taskbar stand-in as a test drives it: started docked at an edge,
// re-docked on request, closed at the end of the test.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "child_process.h"

namespace e2e {

struct StandinSpec {
    UINT edge = ABE_TOP;
    int thickness = 30;
    bool autoHide = false;
    // Where the stand-in logs every Shell_NotifyIcon call (none when empty).
    std::wstring notifyLog{};
};

// How the bar looks, as the stand-in reads it in its own process.
struct BarAppearance {
    bool layered = false;
    bool visible = false;
    bool alphaSet = false; // a constant alpha is set
    int alpha = 0;
};

// What SHAppBarMessage(ABM_GETTASKBARPOS) answers in this process.
struct TaskbarPosition {
    UINT edge;
    RECT rect;
};
std::optional<TaskbarPosition> QueryTaskbarPosition();

class TaskbarStandin {
public:
    explicit TaskbarStandin(const StandinSpec& spec);
    ~TaskbarStandin();

    // True once the bar is shown and the shell answers with its edge.
    bool WaitUntilReady();
    HWND Bar() const { return bar_; }

    // Docks the bar at another edge (thickness 0 keeps it) and waits until
    // the shell reports the new edge.
    bool Dock(UINT edge, int thickness = 0);

    // How many position queries the stand-in has answered so far.
    unsigned PositionQueries() const;

    // Nothing when the stand-in does not answer.
    std::optional<BarAppearance> Appearance() const;
    // The notification area: how many icons it holds, an icon's tip and
    // window, and the user acting on an icon with a mouse message.
    unsigned IconCount() const;
    std::optional<std::wstring> IconTip(unsigned index) const;
    HWND IconOwner(unsigned index) const;
    bool ClickIcon(unsigned index, UINT mouseMessage) const;
    // True once the area holds exactly one icon with this tip.
    bool WaitForOneIcon(const std::wstring& tip, DWORD limit) const;

private:
    ChildProcess process_;
    StandinSpec spec_;
    HWND bar_ = nullptr;
};

} // namespace e2e
