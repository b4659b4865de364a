#include "app/watcher_controls.h"

#include <array>
#include <string>
#include <utility>

#include "ui/list_box.h"
#include "ui/settings_controls.h"
#include "window_info/window_helpers.h"

namespace vm {

WatcherControls::WatcherControls(MainFormControls& controls, TrayIcon& trayIcon,
                                 Form& settingsWindow, WatchOptions& options,
                                 SettingsCanceller& canceller)
    : controls_(controls), trayIcon_(trayIcon), settingsWindow_(settingsWindow), options_(options),
      canceller_(canceller) {}

void WatcherControls::TrackBarChange(std::int32_t appBarBottom) {
    const int position = controls_.Slider.Position();
    controls_.LblPosition.SetCaption(std::to_string(position));
    options_.settings.offset = position;
    settingsWindow_.SetTop(ClampToInt32(std::int64_t{position} + appBarBottom));
}

void WatcherControls::TakeSnapshot() {
    WatchSettings settings = SettingsBesideIgnoreList(controls_);
    const ListBox& list = controls_.ListBoxDisable;
    if (ignoreListRevision_ == list.Revision()) {
        settings.ignoreList = std::move(options_.settings.ignoreList);
    } else {
        settings.ignoreList = list.Items();
        ignoreListRevision_ = list.Revision();
    }
    options_ = WatchOptions{.settings = std::move(settings),
                            .settingsShown = settingsWindow_.Visible(),
                            .translucencyOn = controls_.LabelTans.Enabled()};
}

void WatcherControls::SetTrayImage(WatchImage image) {
    switch (image) {
        case WatchImage::Normal:
            trayIcon_.SetImage(IconState::Normal);
            break;
        case WatchImage::Moving:
            trayIcon_.SetImage(IconState::Moving);
            break;
        case WatchImage::Stopped:
            trayIcon_.SetImage(IconState::Stopped);
            break;
    }
}

void WatcherControls::SetTrayHint(UiText hint) {
    trayIcon_.SetHint(hint);
}

void WatcherControls::SetTrayIconVisible(bool visible) {
    trayIcon_.SetIconVisible(visible);
}

void WatcherControls::ShowTrayBalloon(UiText title, UiText text) {
    trayIcon_.ShowBalloon(title, text);
}

void WatcherControls::LogMoved(const WindowIdentity& identity) {
    ListBox& log = controls_.ListBoxLog;
    for (const std::string* text : {&identity.ExeName, &identity.Title, &identity.ClassName}) {
        if (log.FindStringExact(*text) < 0)
            log.Add(*text);
    }
    UpdateListHorizontalExtent(log);
}

void WatcherControls::ShowBand(std::int32_t appBarBottom, std::int32_t minimum,
                               std::int32_t maximum) {
    controls_.LblBottom.SetCaption(std::to_string(appBarBottom));
    controls_.Slider.SetRange(minimum, maximum);
}

void WatcherControls::OfferOptions(bool reserveBand, bool maximized) {
    controls_.PPHideON.SetEnabled(reserveBand);
    controls_.PPMax.SetEnabled(maximized);
    controls_.PPRestore.SetEnabled(controls_.PPMax.Enabled() && controls_.PPMax.Checked());
}

void WatcherControls::SetSettingsTop(std::int32_t top) {
    settingsWindow_.SetTop(top);
}

void WatcherControls::CancelSettings() {
    canceller_.CancelSettings();
}

void WatcherControls::OnSuspended(bool suspended) {
    // Hiding PPEnabled also tells the tray's handlers that there is
    // nothing to switch.
    const std::array<MenuItem*, 11> tracked{
        &controls_.PPHide,    &controls_.PPEnabled, &controls_.PPHideON, &controls_.PPMax,
        &controls_.PPRestore, &controls_.PPReSize,  &controls_.N1,       &controls_.PPConfig,
        &controls_.N2,        &controls_.PPDialog,  &controls_.PPActive};
    for (MenuItem* item : tracked)
        item->SetVisible(!suspended);
}

} // namespace vm
