// What a scene describes to the simulated desktop (windows, the taskbar, a
// process's DPI awareness) and what the desktop records of the programs'
// calls for a test to read (message boxes, file dialogs, tray icons, menus).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/constants.h"
#include "platform/types.h"

namespace vm::sim {

struct WindowSpec {
    std::string className{};     // ANSI (code page 932)
    std::string title{};         // ANSI (code page 932) title
    std::u16string titleW{};     // if not empty, the title (wins over title)
    Rect rect{100, 0, 500, 300}; // normal (restored) rectangle
    std::uint32_t style = ws::OVERLAPPEDWINDOW | ws::VISIBLE;
    std::uint32_t exStyle = 0;
    bool visible = true, enabled = true, minimized = false, maximized = false;
    std::uint32_t pid = 0; // 0: the process "C:\\Apps\\app.exe", made on first use
    Hwnd owner = 0;
    Hwnd parent = 0;                   // a child window of parent; rect relative to it
    bool refusesMoves = false;         // MoveWindow "succeeds" but the window stays
    bool keepsLayered = false;         // clearing WS_EX_LAYERED "succeeds" but the bit stays
    bool elevated = false;             // other programs may not move, show or retitle it
    bool cloaked = false;              // hidden by the compositor though visible
    bool skippedByEnumWindows = false; // an immersive window (Windows 8 on)
};

// One message box a program showed.
struct MessageBoxRecord {
    std::uint32_t pid = 0;
    Hwnd owner = 0;
    std::string text;    // ANSI (code page 932)
    std::string caption; // ANSI (code page 932)
    std::uint32_t type = 0;
};

struct TaskbarSpec {
    std::uint32_t edge = abe::TOP; // what ABM_GETTASKBARPOS reports, any value
    Rect rect{0, 0, 1024, 30};     // window rectangle and appbar rectangle
    bool autoHide = false;
};

// One use of the common file-open dialog.
struct FileDialogRecord {
    Hwnd owner = 0;
    std::string title;  // empty: the system's default title
    std::string filter; // the NUL-separated pairs, without the final NUL
    std::uint32_t flags = 0;
};

// An icon of the notification area as the shell keeps it. image names the
// picture the program handed over (see iconImage); the shell keeps its own
// copy, so it stays whatever happens to the program's handle.
struct SimNotifyIcon {
    Hwnd window = 0;
    std::uint32_t id = 0;
    std::uint32_t callbackMessage = 0;
    std::string tip; // ANSI (code page 932)
    std::string image;
    // Every balloon the icon showed (NIF_INFO with a text), in order.
    struct Balloon {
        std::u16string title;
        std::u16string text;
        std::uint32_t infoFlags = 0;
        std::uint32_t timeout = 0;
    };
    std::vector<Balloon> balloons;
    // Times the program handed the focus back to the icon (NIM_SETFOCUS).
    int focusReturns = 0;
};

struct SimMenuItem {
    std::uint32_t flags = 0; // MF_ bits
    std::uintptr_t id = 0;
    std::string text;
};

// One TrackPopupMenu call: what the menu held and where it opened.
struct SimTrackedMenu {
    std::vector<SimMenuItem> items;
    Point at;
    Hwnd owner = 0;
    std::uint32_t flags = 0;
};

// How a process declared itself to the system's scaling: per monitor, it
// gets each monitor's DPI and WM_DPICHANGED; system-aware, the primary
// monitor's; unaware, 96.
enum class DpiAwareness { Unaware, System, PerMonitor };

} // namespace vm::sim
