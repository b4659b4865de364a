// The watcher's options taken from the controls that show and edit them,
// and its outputs carried out on the controls: what the watcher shows goes
// to the tray icon, the log, the watch-position controls and the tray menu.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "translations/ui_texts.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/tray_icon.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"
#include "window_info/window_identity.h"

namespace vm {

// Closes the settings window as its Cancel button does.
class SettingsCanceller {
public:
    virtual void CancelSettings() = 0;

protected:
    ~SettingsCanceller() = default;
};

class WatcherControls final : public WatchOutputs {
public:
    // options is the watcher's snapshot, which the slider's change keeps
    // in step.
    WatcherControls(MainFormControls& controls, TrayIcon& trayIcon, Form& settingsWindow,
                    WatchOptions& options, SettingsCanceller& canceller);
    WatcherControls(const WatcherControls&) = delete;
    WatcherControls& operator=(const WatcherControls&) = delete;

    // The slider's change: LblPosition shows the position and the settings
    // window's top marks it; the snapshot's offset follows at once (the
    // band's change during a pass moves the slider), the watch line at the
    // next full pass. appBarBottom: the taskbar's, as the last pass found it.
    void TrackBarChange(std::int32_t appBarBottom);
    // The snapshot becomes the options as the controls show them now, with
    // whether the settings window is open and translucency is on (LabelTans
    // enabled).
    void TakeSnapshot();

    void SetTrayImage(WatchImage image) override;
    void SetTrayHint(UiText hint) override;
    void SetTrayIconVisible(bool visible) override;
    void ShowTrayBalloon(UiText title, UiText text) override;
    void LogMoved(const WindowIdentity& identity) override;
    void ShowBand(std::int32_t appBarBottom, std::int32_t minimum, std::int32_t maximum) override;
    void OfferOptions(bool reserveBand, bool maximized) override;
    void SetSettingsTop(std::int32_t top) override;
    void CancelSettings() override;
    // The tracked items of the tray menu hide while watching is suspended.
    void OnSuspended(bool suspended) override;

private:
    MainFormControls& controls_;
    TrayIcon& trayIcon_;
    Form& settingsWindow_;
    WatchOptions& options_;
    // The ignore list's revision the snapshot holds.
    std::optional<std::uint64_t> ignoreListRevision_;
    SettingsCanceller& canceller_;
};

} // namespace vm
