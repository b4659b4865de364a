// The tray icon's behaviour: the icon with its images, what a click on it,
// its menu and the tray image buttons do, and the rebuild of the images.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "program/program_context.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/tray_icon.h"
#include "ui/tray_images.h"

namespace vm {

// What the tray icon's behaviour asks of the program.
class TrayHost {
public:
    // Watching switched back on: the next tick runs a full pass.
    virtual void RequestFullPass() = 0;

protected:
    ~TrayHost() = default;
};

class TrayBehaviour {
public:
    TrayBehaviour(ProgramContext& context, MainFormControls& controls, Form& settingsWindow,
                  TrayHost& host);
    TrayBehaviour(const TrayBehaviour&) = delete;
    TrayBehaviour& operator=(const TrayBehaviour&) = delete;

    // The icon gets the shell's callbacks through window, which owns its
    // menu; the built-in images are loaded for dpi.
    void Bind(Hwnd window, std::uint32_t dpi);
    TrayIcon& Icon() { return icon_; }
    const TrayImages& Images() const { return images_; }
    // The built-in images at the settings window's scale, on the reset
    // buttons, and the icon's images rebuilt.
    void LoadDefaultGlyphs(std::uint32_t dpi);

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
    Form& settingsWindow_;
    TrayHost& host_;
    // The images outlive the icon that shows copies of them.
    TrayImages images_;
    TrayIcon icon_;
};

} // namespace vm
