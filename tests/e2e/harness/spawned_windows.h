// Windows opened by the window spawner, a process of its own, as the tests
// describe them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "child_process.h"

namespace e2e {

enum class Shown { Normal, Maximized, Minimized };

struct WindowSpec {
    std::wstring title = L"Velmora e2e window";
    int left = 100;
    int top = 0;
    int width = 400;
    int height = 300;
    std::wstring className = L"VelmoraE2eWindow";
    unsigned long style = 0x00CF0000; // WS_OVERLAPPEDWINDOW
    unsigned long exStyle = 0;
    Shown shown = Shown::Normal;
    bool dialog = false; // a real dialog box, class "#32770"
    int count = 1;
    std::wstring titleLog{};       // file that records every later title change
    std::wstring childClassName{}; // a child of this class in every window
    int hangMs = 0;                // the spawner stops answering messages this long after the start
    // After showing each window the spawner stays busy this long, then
    // places or maximizes it, before it reads its queue.
    int busyMs = 0;
    std::optional<RECT> thenRect{};
    bool thenMaximized = false;
    // The first time another program gives a window a title, the spawner
    // gives it this one right after (none when empty).
    std::wstring retitle{};
    int stallMs = 0; // how long the program hangs as it comes to the front (StallProgramOf)
};

class SpawnedWindows {
public:
    // Starts the spawner (or a copy of it under another name) for the WindowSpec.
    SpawnedWindows(const std::wstring& spawnerExe, const WindowSpec& spec);

    // True once all the windows asked for exist and are visible.
    bool WaitUntilOpen();

    HWND First() const { return windows_.empty() ? nullptr : windows_.front(); }

private:
    WindowSpec spec_;
    ChildProcess process_;
    std::vector<HWND> windows_;
};

// Tells the program of a window opened with stallMs to stop answering for
// that long the next time one of its windows is activated.
bool StallProgramOf(HWND window);

// The UTF-8 bytes of a text in hex, as the spawner's command line and title
// log write titles.
std::wstring Utf8HexOf(const std::wstring& text);

// The titles recorded in a spawner's title log, in order.
std::vector<std::wstring> ReadTitleLog(const std::wstring& path);

} // namespace e2e
