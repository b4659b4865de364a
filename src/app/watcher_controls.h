// The watcher's view of the options and its outputs, carried out on the
// controls: a check mark or field is read when the watcher asks for it, so
// an edit in the settings window holds from the next read on; what the
// watcher shows goes to the tray icon, the log, the watch-position controls
// and the tray menu.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "sys/ui_texts.h"
#include "sys/window_identity.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/tray_icon.h"
#include "watcher/taskbar_info.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"

namespace vm {

class WatcherControls final : public WatchOptions, public WatchOutputs {
public:
    // btnCancelClick is the settings window's cancel.
    WatcherControls(MainFormControls& controls, TrayIcon& trayIcon, Form& settingsWindow,
                    const TaskbarInfo& taskbar, std::function<void()> btnCancelClick);
    WatcherControls(const WatcherControls&) = delete;
    WatcherControls& operator=(const WatcherControls&) = delete;

    // The slider's change: LblPosition shows the position and the settings
    // window's top marks it. The watch line follows at the next full pass.
    void TrackBarChange();

    bool Enabled() const override;
    std::int32_t Offset() const override;
    bool ReservesBand() const override;
    bool WatchesMaximized() const override;
    bool RestoresMaximized() const override;
    bool FitsHeight() const override;
    bool CentresDialogs() const override;
    bool SkipsActiveRepeats() const override;
    bool Ignores(const std::string& text) const override;
    bool ShowsMoveTitle() const override;
    std::string MoveTitle() const override;
    bool PlaysMoveSound() const override;
    std::string MoveSound() const override;
    bool TranslucencyOn() const override;
    std::int16_t TranslucencyPercent() const override;
    bool TrayIconWanted() const override;
    bool SettingsShown() const override;

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
    const TaskbarInfo& taskbar_;
    std::function<void()> btnCancelClick_;
};

} // namespace vm
