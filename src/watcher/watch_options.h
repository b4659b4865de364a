// What the watcher reads of the user's options and of the settings window,
// each at the moment it needs it. The program answers from its controls,
// which stay what the user sees and what the settings file stores, so an
// option changed in the settings window holds from the next read on.
#pragma once

#include <cstdint>
#include <string>

namespace vm {

class WatchOptions {
public:
    // Watching is switched on (the enable command's check mark).
    virtual bool Enabled() const = 0;
    // The slider: how far below the taskbar's bottom the watch line lies.
    virtual std::int32_t Offset() const = 0;
    // The reserve-area option, chosen and offered (only for an auto-hidden
    // taskbar).
    virtual bool ReservesBand() const = 0;
    // Maximized windows are watched: chosen and offered (only for a
    // taskbar that stays).
    virtual bool WatchesMaximized() const = 0;
    // A maximized window is restored instead of moved.
    virtual bool RestoresMaximized() const = 0;
    // A moved window's height is cut to the room below the watch line.
    virtual bool FitsHeight() const = 0;
    virtual bool CentresDialogs() const = 0;
    // The window in front is left alone when it comes again.
    virtual bool SkipsActiveRepeats() const = 0;
    // A name, title or class on the user's ignore list.
    virtual bool Ignores(const std::string& text) const = 0;
    // The announcement: a short-lived title, a sound.
    virtual bool ShowsMoveTitle() const = 0;
    virtual std::string MoveTitle() const = 0;
    virtual bool PlaysMoveSound() const = 0;
    virtual std::string MoveSound() const = 0;
    // The taskbar's translucency is switched on, and its percentage.
    virtual bool TranslucencyOn() const = 0;
    virtual std::int16_t TranslucencyPercent() const = 0;
    // The user wants the tray icon shown.
    virtual bool TrayIconWanted() const = 0;
    // The settings window is open: nothing is moved meanwhile.
    virtual bool SettingsShown() const = 0;

protected:
    ~WatchOptions() = default;
};

} // namespace vm
