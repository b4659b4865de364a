// WatchSettings: every option the user chooses, as one plain value, and the
// one table of their defaults and ranges. The settings file loads and stores
// it, the settings window and the tray menu show and edit it, and the watcher
// reads it, each from here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

// A number option: its default and the range a value is brought into.
struct SettingRange {
    std::int32_t defaultValue;
    std::int32_t min;
    std::int32_t max;
};

// The watch position: the watch line lies this far below the taskbar's
// bottom. The range is the slider's before the taskbar is known; from then
// on it is the taskbar's height either way.
inline constexpr SettingRange kOffsetRange{0, -30, 30};
// The start-up delay, in seconds.
inline constexpr SettingRange kWaitRange{0, 0, 60};
// The taskbar's opacity, in percent.
inline constexpr SettingRange kTransRange{100, 0, 100};
// The tray images the user may replace: normal, moving, stopped.
inline constexpr std::size_t kIconPathCount = 3;

struct WatchSettings {
    // The tray icon is shown.
    bool trayIcon = true;

    // The tray menu's seven options.
    // Watching is switched on (the enable command's check mark).
    bool enabled = true;
    // The band stays reserved while an auto-hidden taskbar is slid away.
    bool reserveBand = false;
    // Maximized windows are watched too.
    bool watchMaximized = false;
    // A maximized window is restored instead of moved (with watchMaximized).
    bool restoreMaximized = false;
    // A moved window's height is cut to the room below the watch line.
    bool fitHeight = false;
    bool centreDialogs = false;
    // The window in front is left alone when it comes again.
    bool skipActiveRepeats = false;

    std::int32_t offset = kOffsetRange.defaultValue;

    // The announcement of a move: a short-lived title, a sound. Their
    // default texts depend on the language and the program's folder: the
    // settings file supplies them.
    bool showMoveTitle = false;
    std::string moveTitle{};
    bool playMoveSound = false;
    std::string moveSound{};

    // Executable names, titles and classes never moved.
    std::vector<std::string> ignoreList{};
    // The user's tray images, indexed by IconState; empty for the built-in.
    std::array<std::string, kIconPathCount> iconPaths{};

    std::int32_t waitSeconds = kWaitRange.defaultValue;
    std::int32_t translucencyPercent = kTransRange.defaultValue;
    bool translucency = false;
    bool translucentStartMenu = false;

    // A name, title or class on the ignore list: the whole text, the case
    // of ASCII letters aside (a double-byte character matches exactly).
    bool Ignores(std::string_view text) const;

    bool operator==(const WatchSettings&) const = default;
};

} // namespace vm
