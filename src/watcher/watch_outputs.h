// What the watcher shows the user and asks of the rest of the program: the
// tray icon, the log of moved windows, the watch-position controls, the
// settings window, and the "suspended" event. The program carries each out
// on its controls.
#pragma once

#include <cstdint>

#include "translations/ui_texts.h"
#include "window_info/window_identity.h"

namespace vm {

// The tray icon's images, as the icon numbers them.
enum class WatchImage { Normal = 0, Moving = 1, Stopped = 2 };

class WatchOutputs {
public:
    virtual void SetTrayImage(WatchImage image) = 0;
    virtual void SetTrayHint(UiText hint) = 0;
    virtual void SetTrayIconVisible(bool visible) = 0;
    virtual void ShowTrayBalloon(UiText title, UiText text) = 0;
    // A moved window's executable, title and class join the log, once each.
    virtual void LogMoved(const WindowIdentity& identity) = 0;
    // The taskbar's band: its bottom is shown, and the slider's range
    // becomes minimum..maximum (a position outside moves to the nearer end,
    // as a change of the slider).
    virtual void ShowBand(std::int32_t appBarBottom, std::int32_t minimum,
                          std::int32_t maximum) = 0;
    // Which options the taskbar's kind offers: reserving the band for an
    // auto-hidden one, watching maximized windows for one that stays.
    virtual void OfferOptions(bool reserveBand, bool maximized) = 0;
    // The settings window's top marks the watch line.
    virtual void SetSettingsTop(std::int32_t top) = 0;
    // Closes the settings window, dropping its edits.
    virtual void CancelSettings() = 0;
    // Raised by every full pass: watching is suspended (the taskbar left
    // the top; the menu shrinks to its exit item) or goes on.
    virtual void OnSuspended(bool suspended) = 0;

protected:
    ~WatchOutputs() = default;
};

} // namespace vm
