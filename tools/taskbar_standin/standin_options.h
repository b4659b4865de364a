// The stand-in's command line: --edge top|bottom|left|right, --size PIXELS,
// --autohide, --ready-file PATH (created once the bar is up and answering),
// --notify-log PATH (a line per Shell_NotifyIcon call, see NotifyArea).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace standin {

struct StandinOptions {
    unsigned edge = 1; // ABE_TOP
    int thickness = 30;
    bool autoHide = false;
    std::wstring readyFile;
    std::wstring notifyLog;
};

// Nothing when an argument is unknown or a value is malformed.
std::optional<StandinOptions> ParseStandinOptions(const std::vector<std::wstring>& args);

// The ABE_ value of an edge name, or nothing for an unknown name.
std::optional<unsigned> EdgeFromName(const std::wstring& name);

} // namespace standin
