// The program from its start to its close: it owns the parts (the controls,
// the settings, the watcher, the taskbar's look, the tray icon and the
// settings window), wires them together, runs the passes under the one guard
// and the one gate, and decides the closing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "app/main_form.h"
#include "app/main_window_host.h"
#include "app/pass_gate.h"
#include "app/tray_behaviour.h"
#include "app/watcher_controls.h"
#include "program/program_context.h"
#include "settings/settings_store.h"
#include "taskbar_look/taskbar_hiding.h"
#include "taskbar_look/translucency.h"
#include "ui/main_form_controls.h"
#include "ui/timer.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/watch_cycle.h"
#include "watcher/watch_host.h"
#include "watcher/watch_options.h"
#include "watcher/watch_state.h"
#include "watcher/window_events.h"
#include "watcher/window_handler.h"
#include "window_info/display_monitors.h"
#include "window_info/window_state.h"

namespace vm {

class ProgramController final : public MainWindowHost,
                                public PassGateOwner,
                                public WatchHost,
                                public TrayHost,
                                public SettingsCanceller {
public:
    // Creates the parts and the settings window, owned by the application
    // window.
    ProgramController(ProgramContext& context, Hwnd appWindow);
    ~ProgramController();
    ProgramController(const ProgramController&) = delete;
    ProgramController& operator=(const ProgramController&) = delete;

    // Loads the settings and starts the icon, the translucency and the
    // ticks, as the command line asks.
    void Start();
    void TimerTimer();
    void RunFullPass();
    // How the closing came about: the end of the session closes even when
    // the settings cannot be saved; any other closing asks the user first.
    enum class CloseRoute { Other, SessionEnd };
    // Closing the program's main window ends the message loop.
    void Close(CloseRoute route = CloseRoute::Other);
    bool Closed() const override { return closed_; }

    // What the tray menu and the settings window's buttons do, as the user's
    // click does it.
    void PPExitClick();
    void PPConfigClick();
    void BtnOKClick();
    void BtnCancelClick();

    // The program's main window: the settings window's.
    Hwnd Window() const { return form_->Window(); }
    MainFormControls& Controls() { return controls_; }
    TrayIcon& Tray() { return tray_->Icon(); }
    const TrayImages& Images() const { return tray_->Images(); }
    Timer& WatchTimer() { return timer_; }
    const WindowEvents& Events() const { return *windowEvents_; }
    Form& SettingsWindow() { return form_->SettingsWindow(); }
    std::uint32_t Dpi() const { return form_->Dpi(); }

    // The main window's host.
    void Guarded(const Handler& handler) override { gate_.Guarded(handler); }
    MsgResult Gate(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                   std::intptr_t lParam) override {
        return gate_.Gate(window, msg, wParam, lParam);
    }
    void OnTimer(std::uintptr_t id) override;
    void CheckWindowEvents() override;
    void ReleaseHeld() override { gate_.ReleaseHeld(); }
    void OnCopyData(const CopyDataStruct* data) override;
    // WM_CLOSE to the main window or to the application window (another
    // program, the shell): the same closing, so the settings are saved.
    void OnCloseMessage() override;
    void OnEndSession() override;
    void OnDisplayChange() override;
    void OnDpiChanged(std::uint32_t dpi) override;
    const TaskbarInfo& Taskbar() const override { return tracker_->Taskbar(); }

    // The watcher's host.
    void SetTimerEnabled(bool enabled) override { timer_.SetEnabled(enabled); }
    bool CheckRestart() override;
    void CheckTaskbarReveal() override { hiding_->CheckTaskbarReveal(); }
    void ApplyTranslucency(std::int16_t percent, bool force) override {
        translucency_->ApplyTranslucency(percent, force);
    }
    void CloseProgram() override { Close(); }

    // A pass that closes the settings window goes on with the options it
    // brings back.
    void CancelSettings() override;

    // The tray's host.
    void RequestFullPass() override { watchCycle_->RequestFullPass(); }

    // The gate's owner (controller_closing.cpp): the error hook pauses the
    // watch timer; a close or the end of the session cannot wait.
    void ErrorHook(const std::string& trace) override;
    bool ActNow(Hwnd window, std::uint32_t msg, std::uintptr_t wParam) override;

private:
    Handler Guard(Handler handler) { return gate_.Guard(std::move(handler)); }
    // The error hook's pause is over: the watch timer runs again.
    void ResumeAfterError();
    // A pass with one snapshot of the options throughout.
    void RunPass(const Handler& pass);
    bool InPass() const { return gate_.InPass(); }
    // For the program's end: from now on the gate lets no request through
    // to the tray icon's window, and asks nothing of this object.
    void CloseGate();
    // A close asked for while a close waits for the user's answer: it is
    // no restart any more, whatever the answer.
    void CloseAskedWhileClosing();

    // Wires every control's and the timer's handler, each through the guard.
    // The only place where handlers are set.
    void WireHandlers();
    // The settings window hidden again, by OK or Cancel.
    void SettingsClosed(bool cancelled);
    bool FormCloseQuery(CloseRoute route);
    // One message box owned by the settings window: where the file is, and
    // that the changes since the last save will be lost. True for OK.
    bool ConfirmCloseWithoutSaving();
    void DeclineClose();
    Rect VirtualScreenRect();
    bool IsWindows2000OrLater() const;
    void SetUpTranslucency();

    ProgramContext& context_;
    Hwnd appWindow_;
    PassGate gate_;
    MainFormControls controls_;
    WatchState state_;
    DisplayMonitors monitors_;
    WindowState windowState_;
    Timer timer_;
    SettingsStore settings_;
    // What the watcher reads of the options, taken from the controls as
    // each pass begins, and its outputs, on the controls.
    WatchOptions watchOptions_;
    std::unique_ptr<TrayBehaviour> tray_;
    std::unique_ptr<WatcherControls> watcherControls_;
    std::unique_ptr<TaskbarTracker> tracker_;
    std::unique_ptr<Translucency> translucency_;
    std::unique_ptr<TaskbarHiding> hiding_;
    std::unique_ptr<WindowHandler> windowHandler_;
    std::unique_ptr<WatchCycle> watchCycle_;
    std::unique_ptr<WindowEvents> windowEvents_;
    // The virtual screen at creation, which the restart check compares with,
    // and as the last display change left it: read again only then, as the
    // display is costly to ask on every tick.
    Rect startDesktopRect_;
    Rect desktopRect_;
    bool restartPending_ = false;
    bool closed_ = false;
    // The close query runs (its message box may be open).
    bool closing_ = false;
    // Last, so its window goes first, while everything its procedure uses
    // is still there.
    std::unique_ptr<TMainForm> form_;
};

} // namespace vm
