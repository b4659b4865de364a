// The controller: at once the (mostly hidden) settings window and the
// program's main window. It owns the timer, the tray icon, the controls and
// the watcher's state, and wires the subsystems together.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/deferred_messages.h"
#include "app/tray_handlers.h"
#include "app/watcher_controls.h"
#include "platform/program_window.h"
#include "program/program_context.h"
#include "settings/settings_store.h"
#include "taskbar_look/taskbar_hiding.h"
#include "taskbar_look/translucency.h"
#include "ui/control_router.h"
#include "ui/focus_keeper.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/main_form_layout.h"
#include "ui/shortcut_registration.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"
#include "ui/tray_images.h"
#include "watcher/taskbar_info.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/watch_cycle.h"
#include "watcher/watch_options.h"
#include "watcher/watch_state.h"
#include "watcher/window_events.h"
#include "watcher/window_handler.h"
#include "window_info/display_monitors.h"
#include "window_info/window_identity.h"

namespace vm {

class TMainForm {
public:
    // Creates the controller's hidden window, owned by the application window.
    TMainForm(ProgramContext& context, Hwnd appWindow);
    ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    void FormCreate();
    void TimerTimer();
    void RunFullPass();
    // How the closing came about: the end of the session closes even when
    // the settings cannot be saved; any other closing asks the user first.
    enum class CloseRoute { Other, SessionEnd };
    // Closing the controller, the program's main window, ends the message loop.
    void Close(CloseRoute route = CloseRoute::Other);
    bool Closed() const { return closed_; }
    // WM_CLOSE to the controller or to the application window (another
    // program, the shell): the same closing, so the settings are saved.
    void OnCloseMessage();
    // The gate at the entry of each of the program's window procedures
    // (main_form_passes.cpp): while a pass runs, what would make the program
    // act is held and handled once the pass has ended. The answer for a
    // message held; nullopt lets the message on into the procedure.
    MsgResult Gate(Hwnd window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);

    // What the tray menu and the settings window's buttons do, as the user's
    // click does it.
    void PPExitClick();
    void PPConfigClick();
    void BtnCancelClick();

    Hwnd Window() const { return window_.Get(); }
    MainFormControls& Controls() { return controls_; }
    TrayIcon& Tray() { return trayIcon_; }
    const TrayImages& Images() const { return trayImages_; }
    Timer& WatchTimer() { return timer_; }
    const WindowEvents& Events() const { return *windowEvents_; }
    Form& SettingsWindow() { return settingsWindow_; }
    std::uint32_t Dpi() const { return dpi_; }

private:
    // The procedure (main_form_messages.cpp): each message cracked once into
    // its typed handler, all under the one guard.
    MsgResult WindowProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                         std::intptr_t lParam);
    MsgResult CrackMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);
    void OnTimer(std::uintptr_t id);
    // The hand-over of a second plain start.
    void OnCopyData(const CopyDataStruct* data);
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
    void OnSysCommandClose();
    void OnEndSession();

    // When work runs (main_form_passes.cpp). Guarded is the one guard: an
    // error escaping handler goes to the error hook. Guard wraps a control's
    // handler in it, for the clicks that come through other windows (the
    // tray's) or straight from the program.
    void Guarded(const Handler& handler);
    Handler Guard(Handler handler);
    // trace: the error's line of debug output.
    void ErrorHook(const std::string& trace);
    // The error hook's pause is over: the watch timer runs again.
    void ResumeAfterError();
    // A tick, a full pass, the window-event check or a click on the tray
    // icon: guarded, never inside another, and what the gate held meanwhile
    // is handled once it has ended.
    void RunPass(const Handler& pass);
    bool InPass() const { return passDepth_ > 0; }
    void CheckWindowEvents();
    // For the program's end: from now on the gate lets no request through
    // to the tray icon's window, and asks nothing of this object.
    void CloseGate();
    // What cannot wait for the end of the pass; true when nothing is left
    // for after it.
    bool ActNow(Hwnd window, std::uint32_t msg, std::uintptr_t wParam);
    // Posts the gate's wake-up (HANDLE_DEFERRED), which comes after
    // everything the pass's own handler still does; false when it could not.
    bool PostRelease();
    // Handles what the gate held, oldest first, each through its window's
    // procedure, leaving out what a close made pointless.
    void ReleaseHeld();
    bool IsCloseRequest(const DeferredMessage& message) const;
    bool PointlessAfterClose(const DeferredMessage& message) const;
    // A close asked for while a close waits for the user's answer: it is
    // no restart any more, whatever the answer.
    void CloseAskedWhileClosing();

    // Wires every control's and the timer's handler, each through the guard.
    // The only place where handlers are set.
    void WireHandlers();

    // The settings window (main_form_settings.cpp). Its controls become
    // child windows (and the common controls are loaded) when the window is
    // first shown: until then the controls hold their state themselves, and a
    // program that is never opened spares the memory (under Wine nearly 3 MB).
    void CreateControls();
    void FormShow();
    void FormHide();
    // The window moved to a monitor of another scale, or the scale changed:
    // it is laid out again at the new DPI (main_form_dpi.cpp).
    void FormDpiChanged(std::uint32_t dpi, const Rect& suggested);
    void BtnOKClick();
    void BtnAddClick();
    void AddToIgnoreList(const std::string& name);
    void BtnDelClick();
    void ListBoxDisableClick();
    void BtnLogClick();
    void ListBoxLogClick();
    void BtnWavClick();
    void BtnStartUpClick() { shortcuts_.BtnStartUpClick(Window()); }
    void BtnQuickLaunchClick() { shortcuts_.BtnQuickLaunchClick(Window()); }
    void LoadSettings(bool loadMenuOptions) { settings_.LoadSettings(loadMenuOptions); }
    void SaveSettings() { settings_.SaveSettings(); }
    // Centred on the taskbar's monitor, its top at the watch position.
    void PlaceSettingsWindow();
    // The window's size and the built-in glyphs for dpi_.
    void SizeForDpi();
    void LoadDefaultGlyphs();
    // The shared file-open dialog; false when the user cancels.
    bool ChooseFile(const char* title, const char* filter, std::string& path);
    bool IsVistaThemed() const;
    bool FormCloseQuery(CloseRoute route);
    // One message box owned by the settings window: where the file is, and
    // that the changes since the last save will be lost. True for OK.
    bool ConfirmCloseWithoutSaving();
    void DeclineClose();
    Rect VirtualScreenRect();
    bool IsWindows2000OrLater() const;
    void SetUpTranslucency();
    // True when the desktop's size changed and nothing in front asks to wait:
    // the tick then closes the program, which starts itself again.
    bool CheckRestart();
    void RebuildTrayImages() { trayHandlers_->RebuildTrayImages(); }

    void ApplyTranslucency(std::int16_t percent, bool force) {
        translucency_->ApplyTranslucency(percent, force);
    }

    ProgramContext& context_;
    Hwnd appWindow_;
    MainFormControls controls_;
    // The images outlive the icon that shows copies of them.
    TrayImages trayImages_;
    TrayIcon trayIcon_;
    WatchState state_;
    TaskbarInfo taskbar_;
    DisplayMonitors monitors_;
    Timer timer_;
    Form settingsWindow_;
    SettingsStore settings_;
    ControlRouter router_;
    MainFormLayout layout_;
    ShortcutRegistration shortcuts_;
    FocusKeeper focusKeeper_;
    // The DPI the settings window is laid out for.
    std::uint32_t dpi_ = kDesignDpi;
    // The application is active: the title strip shows the active colours.
    bool appActive_ = true;
    // Keyboard cues changed; the window repaints at the next quiet moment.
    bool vistaThemed_ = false;
    bool cueRepaintPending_ = false;
    // What the watcher reads of the options, taken from the controls as
    // each pass begins, and its outputs, on the controls.
    WatchOptions watchOptions_;
    std::unique_ptr<WatcherControls> watcherControls_;
    std::unique_ptr<TaskbarTracker> tracker_;
    std::unique_ptr<Translucency> translucency_;
    std::unique_ptr<TaskbarHiding> hiding_;
    std::unique_ptr<WindowHandler> windowHandler_;
    std::unique_ptr<WatchCycle> watchCycle_;
    std::unique_ptr<WindowEvents> windowEvents_;
    std::unique_ptr<TrayHandlers> trayHandlers_;
    // The virtual screen at creation, which the restart check compares with,
    // and as the last display change left it: read again only then, as the
    // display is costly to ask on every tick.
    Rect startDesktopRect_;
    Rect desktopRect_;
    bool restartPending_ = false;
    bool closed_ = false;
    // The close query runs (its message box may be open).
    bool closing_ = false;
    int passDepth_ = 0;
    // The gate's messages, its wake-up posted, and whether one is being
    // handled (what arrives meanwhile waits behind those still held).
    DeferredMessages held_;
    bool releasePosted_ = false;
    bool releasing_ = false;
    bool handingOn_ = false; // a release is handing on one held message
    bool controlsCreated_ = false;
    // Last, so the window goes first, while everything its procedure uses
    // is still there.
    ProgramWindow window_;
};

} // namespace vm
