// What today's systems add to a window's state beyond its styles: the
// compositor may hide a window that is still visible (cloaking), the user
// may be dragging it, and a maximized window's frame overhangs its work area
// by the metrics of the window's own DPI. The newer calls are looked up at
// their first use and kept; where a system lacks them, the answers are the
// older systems' ones.
#pragma once

#include "platform/platform.h"
#include "platform/types.h"
#include "platform/unique.h"

namespace vm {

class WindowState {
public:
    explicit WindowState(Platform& platform) : platform_(platform) {}

    // Hidden by the compositor (another virtual desktop, a suspended app, a
    // closed shell flyout). False where the question cannot be asked or
    // fails: Windows 7 and earlier, Wine.
    bool IsCloaked(Hwnd window);
    // The window's thread is moving or sizing it: the user's drag.
    bool InMoveSize(Hwnd window);
    // The window the thread of window is moving or sizing, 0 for none.
    Hwnd MoveSizeWindowOf(Hwnd window);
    // How far a maximized window's top lies above its work area: the sizing
    // frame and its padding (Vista on) at the window's DPI, or at the
    // system's where the system cannot say per DPI.
    int MaximizedOverhang(Hwnd window);

private:
    // One export of a library, looked up at its first use; the library is
    // kept only while the export is there.
    struct LateBound {
        Unique<HModule> library;
        bool looked = false;
        FarProc entry = 0;
    };
    FarProc Resolve(LateBound& call, const char* file, const char* name);

    Platform& platform_;
    LateBound dwmGetWindowAttribute_;
    LateBound getSystemMetricsForDpi_;
};

} // namespace vm
