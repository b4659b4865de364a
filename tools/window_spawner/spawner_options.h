// The spawner's command line:
//   --class NAME          window class of plain windows (default VelmoraSample)
//   --title TEXT          title, or --title-hex HEX for a title given as UTF-8 bytes in hex
//   --rect L,T,W,H        window rectangle in screen pixels (default 100,0,400,300)
//   --style HEX           window style of plain windows (default WS_OVERLAPPEDWINDOW)
//   --ex-style HEX        extended window style of plain windows (default 0)
//   --maximized | --minimized
//   --dialog              a real dialog box (class "#32770") instead of a plain window
//   --count N             how many such windows (default 1)
//   --bounce MS           every MS milliseconds put the first window back at its top, and
//                         open or close a hidden window so that the window count changes
//   --reopen MS           every MS milliseconds close the first window and open it again
//   --hang MS             after MS milliseconds stop answering messages, for good
//   --log PATH            append every title a window is given, as UTF-8 hex, one a line
//   --rect-file PATH      keep the first window's rectangle in the file: "left top right bottom"
//   --latency-file PATH   with --reopen: append, for each window opened again, the milliseconds
//                         from just before its creation until another program first moved it down
//   --busy MS             after showing each window, stay busy MS milliseconds without reading
//                         the queue, then do what --then-rect or --then-maximized says
//   --then-rect L,T,W,H   put each window here after it was shown (a program that restores
//                         its saved place), before the queue is read
//   --then-maximized      maximize each window after it was shown, before the queue is read
//   --retitle-hex HEX     the first time another program gives a plain window a title, give
//                         it this one (UTF-8 bytes in hex) right after, as a program that
//                         keeps its own title current does
//   --stall MS            once a plain window was sent the registered message
//                         VelmoraSpawnerStall, the next activation of a window makes the
//                         program sleep MS milliseconds: a program that hangs a while
//   --child NAME          give every plain window a child window of this class, filling it:
//                         the start menus are "DV2ControlHost" with a "Desktop User Pane" and
//                         "BaseBar" with a "MenuSite"
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace spawner {

enum class ShowState { Normal, Maximized, Minimized };

struct SpawnerOptions {
    std::wstring className = L"VelmoraSample";
    std::wstring title = L"Velmora sample window";
    int left = 100;
    int top = 0;
    int width = 400;
    int height = 300;
    unsigned long style = 0x00CF0000; // WS_OVERLAPPEDWINDOW
    unsigned long exStyle = 0;
    ShowState show = ShowState::Normal;
    bool dialog = false;
    int count = 1;
    unsigned bounceMilliseconds = 0;
    unsigned reopenMilliseconds = 0;
    unsigned hangMilliseconds = 0;
    std::wstring logPath;
    std::wstring rectPath;
    std::wstring latencyPath;
    std::wstring childClassName; // empty: no child
    unsigned busyMilliseconds = 0;
    bool thenPlace = false;
    int thenLeft = 0, thenTop = 0, thenWidth = 0, thenHeight = 0;
    bool thenMaximized = false;
    std::wstring retitle; // empty: the program never retitles its windows
    unsigned stallMilliseconds = 0;
};

// Nothing when an argument is unknown or a value is malformed.
std::optional<SpawnerOptions> ParseSpawnerOptions(const std::vector<std::wstring>& args);

} // namespace spawner
