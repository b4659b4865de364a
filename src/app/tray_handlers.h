// The handlers of the tray icon, its menu and the tray image buttons, and
// the rebuild of the tray images.
#pragma once

#include <cstddef>
#include <string>

#include "program/program_context.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/tray_icon.h"
#include "ui/tray_images.h"
#include "watcher/watch_cycle.h"

namespace vm {

class TrayHandlers {
public:
    TrayHandlers(ProgramContext& context, MainFormControls& controls, TrayIcon& trayIcon,
                 TrayImages& images, Form& settingsWindow, WatchCycle& cycle);
    TrayHandlers(const TrayHandlers&) = delete;
    TrayHandlers& operator=(const TrayHandlers&) = delete;

    void TrayIconDblClick();
    void PPRMenuPopup();
    void BtnRMenuClick();
    void CHKTrayClick();
    void BtnDefultClick(std::size_t tag);
    void BtnCustomClick(std::size_t tag);
    void RebuildTrayImages();
    // A resident start without a settings file: the icon tells the user
    // where it is and how to reach the options. Where the settings cannot
    // be kept (unwritableFolder, the folder that refuses them), there is no
    // telling a first run from any other: it says that instead, naming the
    // folder, once at every start.
    void AnnounceFirstRun(const std::string& unwritableFolder);

private:
    ProgramContext& context_;
    MainFormControls& controls_;
    TrayIcon& trayIcon_;
    TrayImages& images_;
    Form& settingsWindow_;
    WatchCycle& cycle_;
};

} // namespace vm
