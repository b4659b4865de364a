// The settings window, which is also the program's main window: other
// programs and a second start find it by its class and caption, and its
// procedure receives the program's timers and messages, which it hands to
// its host. Its controls become child windows when it is first shown.
#pragma once

#include <cstdint>
#include <string>

#include "app/main_window_host.h"
#include "platform/program_window.h"
#include "program/program_context.h"
#include "ui/control_router.h"
#include "ui/focus_keeper.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/main_form_layout.h"
#include "ui/shortcut_registration.h"
#include "window_info/display_monitors.h"

namespace vm {

class TMainForm {
public:
    // Creates the hidden window, owned by the application window; controls
    // and monitors are the program's, which the watcher shares.
    TMainForm(ProgramContext& context, Hwnd appWindow, MainFormControls& controls,
              DisplayMonitors& monitors, MainWindowHost& host);
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    Hwnd Window() const { return window_.Get(); }
    Form& SettingsWindow() { return settingsWindow_; }
    std::uint32_t Dpi() const { return dpi_; }

    // Shows the window with the keyboard at the slider.
    void Open();
    // What the window's own controls do, as the user's click does it.
    void FormShow();
    void FormHide();
    void BtnAddClick();
    void BtnDelClick();
    void ListBoxDisableClick();
    void BtnLogClick();
    void ListBoxLogClick();
    void BtnWavClick();
    void BtnStartUpClick() { shortcuts_.BtnStartUpClick(Window()); }
    void BtnQuickLaunchClick() { shortcuts_.BtnQuickLaunchClick(Window()); }

private:
    // The procedure (main_form_messages.cpp): each message cracked once into
    // its typed handler, all under the host's one guard.
    MsgResult WindowProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                         std::intptr_t lParam);
    MsgResult CrackMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);
    // True when the command was handled.
    bool OnSysCommand(std::uintptr_t command);
    // The dialog manager's Enter and Esc, and the controls' notifications.
    void OnCommand(int id, std::uint32_t code, Hwnd control);
    // The title strip's brush; null for any other control.
    HBrush OnCtlColorStatic(Hdc dc, Hwnd control);
    // True when a control got the focus.
    bool OnActivate(std::uint32_t state, bool minimized);
    void OnActivateApp(bool active);
    // status: why it shows or hides; 0 when on request.
    void OnShowWindow(bool shown, std::uint32_t status);
    void OnUpdateUiState();
    void OnRepaintAfterCues();

    // The controls become child windows (and the common controls are
    // loaded) when the window is first shown: until then the controls hold
    // their state themselves, and a program that is never opened spares the
    // memory (under Wine nearly 3 MB).
    void CreateControls();
    // The window moved to a monitor of another scale, or the scale changed:
    // it is laid out again at the new DPI (main_form_dpi.cpp).
    void FormDpiChanged(std::uint32_t dpi, const Rect& suggested);
    void AddToIgnoreList(const std::string& name);
    // Centred on the taskbar's monitor, its top at the watch position.
    void PlaceSettingsWindow();
    // The window's size for dpi_.
    void SizeForDpi();
    bool IsVistaThemed() const;

    ProgramContext& context_;
    Hwnd appWindow_;
    MainFormControls& controls_;
    DisplayMonitors& monitors_;
    MainWindowHost& host_;
    Form settingsWindow_;
    ControlRouter router_;
    MainFormLayout layout_;
    ShortcutRegistration shortcuts_;
    FocusKeeper focusKeeper_;
    // The DPI the window is laid out for.
    std::uint32_t dpi_ = kDesignDpi;
    // The application is active: the title strip shows the active colours.
    bool appActive_ = true;
    // Keyboard cues changed; the window repaints at the next quiet moment.
    bool vistaThemed_ = false;
    bool cueRepaintPending_ = false;
    bool controlsCreated_ = false;
    // Last, so the window goes first, while everything its procedure uses
    // is still there.
    ProgramWindow window_;
};

} // namespace vm
