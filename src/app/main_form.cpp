#include "app/main_form.h"

#include <string>
#include <utility>
#include <vector>

#include "app/hand_over.h"
#include "app/restart.h"
#include "platform/constants.h"
#include "platform/error_trace.h"
#include "platform/private_ids.h"
#include "settings/settings_file_names.h"
#include "settings/settings_write_error.h"
#include "window_info/window_helpers.h"

namespace vm {

namespace {
constexpr std::uint32_t kStoredTimerInterval = 100;
constexpr std::uint32_t kTickInterval = 250;
// The pause before a restart starts the program again.
constexpr std::uint32_t kRestartDelayMs = 5000;
} // namespace

TMainForm::TMainForm(ProgramContext& context, Hwnd appWindow)
    : context_(context), appWindow_(appWindow), controls_(context.language),
      trayImages_(context.platform.win),
      timer_(context.platform.win, timer_id::WATCH, kStoredTimerInterval),
      settingsWindow_(context.platform.win), settings_(context, controls_),
      layout_(context.platform.win, context.language), shortcuts_(context),
      focusKeeper_(context.platform.win) {
    IWindowSystem& win = context_.platform.win;
    // The settings window has no frame and stays above normal windows; the
    // keyboard walks its controls.
    window_ = ProgramWindow(win, {.className = kMainFormClass,
                                  .title = context_.Text(TextId::MainFormCaption).ansi,
                                  .style = ws::POPUP,
                                  .exStyle = ws_ex::TOPMOST | ws_ex::CONTROLPARENT,
                                  .width = kMainFormWidth,
                                  .height = kMainFormHeight,
                                  .owner = appWindow_,
                                  .proc = [this](Hwnd window, std::uint32_t msg,
                                                 std::uintptr_t wParam, std::intptr_t lParam) {
                                      return WindowProc(window, msg, wParam, lParam);
                                  }});
    if (window_) {
        win.SetWindowTextW(Window(), context_.Text(TextId::MainFormCaption).wide);
        const std::uint32_t dpi = win.GetDpiForWindow(Window());
        dpi_ = dpi != 0 ? dpi : kDesignDpi;
        SizeForDpi();
    }
    vistaThemed_ = IsVistaThemed();
    timer_.Bind(Window());
    settingsWindow_.Bind(Window());
    LoadDefaultGlyphs();
    trayIcon_.SetHint(context_.Text(TextId::HintEnabled));
    trayIcon_.Bind(context_.platform, trayImages_, Window());
    trayIcon_.Menu = &controls_.PPRMenu;
    trayIcon_.RunAlone = [this](const Handler& handling) {
        if (InPass())
            handling();
        else
            RunPass(handling);
    };
    trayIcon_.SetGate([this](Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                             std::intptr_t lParam) { return Gate(window, msg, wParam, lParam); });
    // A pass that closes the settings window goes on with the options it
    // brings back.
    auto cancelSettings = [this] {
        BtnCancelClick();
        watcherControls_->TakeSnapshot();
    };
    watcherControls_ = std::make_unique<WatcherControls>(controls_, trayIcon_, settingsWindow_,
                                                         taskbar_, watchOptions_, cancelSettings);
    tracker_ = std::make_unique<TaskbarTracker>(
        context_, watchOptions_, *watcherControls_, taskbar_,
        TaskbarTrackerHooks{
            .CloseController = [this] { Close(); },
            .ApplyTranslucency = [this](std::int16_t p, bool f) { ApplyTranslucency(p, f); },
        });
    translucency_ = std::make_unique<Translucency>(context_, controls_, taskbar_);
    hiding_ = std::make_unique<TaskbarHiding>(context_, taskbar_, *tracker_);
    windowHandler_ = std::make_unique<WindowHandler>(context_, watchOptions_, *watcherControls_,
                                                     taskbar_, state_, monitors_, *tracker_);
    watchCycle_ = std::make_unique<WatchCycle>(
        context_, watchOptions_, state_, taskbar_, monitors_, *tracker_, *windowHandler_,
        WatchCycleHooks{
            .SetTimerEnabled = [this](bool enabled) { timer_.SetEnabled(enabled); },
            .CheckRestart = [this] { return CheckRestart(); },
            .CheckTaskbarReveal = [this] { hiding_->CheckTaskbarReveal(); },
            .ApplyTranslucency = [this](std::int16_t p, bool f) { ApplyTranslucency(p, f); },
            .CloseController = [this] { Close(); },
        });
    windowEvents_ = std::make_unique<WindowEvents>(
        context_,
        [this](const std::vector<Hwnd>& windows) { return watchCycle_->CheckWindows(windows); },
        [this] { watchCycle_->RequestFullPass(); });
    windowHandler_->SetAskWhenSettled([this](Hwnd window) { return windowEvents_->Take(window); });
    trayHandlers_ = std::make_unique<TrayHandlers>(context_, controls_, trayIcon_, trayImages_,
                                                   settingsWindow_, *watchCycle_);
    WireHandlers();
}

void TMainForm::WireHandlers() {
    // A tick guards itself, as every pass does.
    timer_.OnTimer = [this] { TimerTimer(); };
    controls_.PPExit.OnClick = Guard([this] { PPExitClick(); });
    controls_.PPConfig.OnClick = Guard([this] { PPConfigClick(); });
    controls_.BtnOK.OnClick = Guard([this] { BtnOKClick(); });
    controls_.BtnCancel.OnClick = Guard([this] { BtnCancelClick(); });
    controls_.BtnAdd.OnClick = Guard([this] { BtnAddClick(); });
    controls_.BtnDel.OnClick = Guard([this] { BtnDelClick(); });
    controls_.BtnLog.OnClick = Guard([this] { BtnLogClick(); });
    controls_.BtnWav.OnClick = Guard([this] { BtnWavClick(); });
    controls_.ListBoxDisable.OnClick = Guard([this] { ListBoxDisableClick(); });
    controls_.ListBoxLog.OnClick = Guard([this] { ListBoxLogClick(); });
    settingsWindow_.OnShow = Guard([this] { FormShow(); });
    settingsWindow_.OnHide = Guard([this] { FormHide(); });
    controls_.BtnStartUp.OnClick = Guard([this] { BtnStartUpClick(); });
    controls_.BtnQuickLaunch.OnClick = Guard([this] { BtnQuickLaunchClick(); });
    controls_.CHKTray.OnClick = Guard([this] { trayHandlers_->CHKTrayClick(); });
    controls_.CHKTrans.OnClick = Guard([this] { translucency_->CHKTransClick(); });
    controls_.UDTrans.OnClick = Guard([this] { translucency_->UDTransClick(); });
    controls_.CHKStartMenu.OnClick = Guard([this] { translucency_->CHKStartMenuClick(); });
    controls_.PPHide.OnClick = Guard([this] { hiding_->PPHideClick(); });
    controls_.CHKCap.OnClick = Guard([this] { controls_.CHKCapClick(); });
    controls_.CHKWav.OnClick = Guard([this] { controls_.CHKWavClick(); });
    // Between passes: the icon follows the choice just made.
    controls_.PPEnabled.OnClick = Guard([this] {
        watcherControls_->TakeSnapshot();
        tracker_->PPEnabledClick();
    });
    controls_.Slider.OnChange = Guard([this] { watcherControls_->TrackBarChange(); });
    trayIcon_.OnDblClick = Guard([this] { trayHandlers_->TrayIconDblClick(); });
    controls_.PPRMenu.OnPopup = Guard([this] { trayHandlers_->PPRMenuPopup(); });
    controls_.BtnRMenu.OnClick = Guard([this] { trayHandlers_->BtnRMenuClick(); });
    for (Button& button : controls_.BtnDefult) {
        button.OnClick = Guard([this, &button] {
            trayHandlers_->BtnDefultClick(static_cast<std::size_t>(button.Tag()));
        });
    }
    for (Button& button : controls_.BtnCustom) {
        button.OnClick = Guard([this, &button] {
            trayHandlers_->BtnCustomClick(static_cast<std::size_t>(button.Tag()));
        });
    }
}

TMainForm::~TMainForm() {
    CloseGate();
    timer_.SetEnabled(false);
    windowEvents_->Stop();
}

void TMainForm::FormCreate() {
    IWindowSystem& win = context_.platform.win;
    const CommandLine& cmd = context_.commandLine;
    timer_.SetEnabled(false);
    trayIcon_.SetIconVisible(false);
    trayIcon_.SetEnabled(false);
    for (int i = 0; i < 3; ++i) {
        controls_.BtnDefult[i].SetTag(i);
        controls_.BtnCustom[i].SetTag(i);
    }
    state_ = WatchState{};
    taskbar_.Handle = win.FindWindowA("Shell_TrayWnd", nullptr);
    LoadSettings(true);
    // Watching always starts enabled, whatever was stored.
    controls_.PPEnabled.SetChecked(true);
    desktopRect_ = VirtualScreenRect();
    startDesktopRect_ = desktopRect_;
    if (cmd.HasArguments()) {
        if (!cmd.IsSilent()) {
            RebuildTrayImages();
            trayIcon_.SetIconVisible(true);
            trayIcon_.SetEnabled(true);
        }
    } else {
        context_.platform.os.Sleep(static_cast<std::uint32_t>(controls_.UDWait.Position()) * 1000);
        RebuildTrayImages();
        trayIcon_.SetIconVisible(controls_.CHKTray.Checked());
        trayIcon_.SetEnabled(true);
    }
    if (!settings_.FileFound() && !cmd.IsQuick() && !cmd.IsSilent())
        trayHandlers_->AnnounceFirstRun(
            settings_.CanKeepSettings() ? std::string() : ProgramFolder(context_.platform.os));
    if (!cmd.IsSilent())
        SetUpTranslucency();
    if (!cmd.IsQuick()) {
        timer_.SetInterval(kTickInterval);
        timer_.SetEnabled(true);
        windowEvents_->Start(Window());
    }
}

void TMainForm::SetUpTranslucency() {
    controls_.CHKTrans.SetEnabled(IsWindows2000OrLater());
    controls_.LabelTans.SetEnabled(controls_.CHKTrans.Enabled() && controls_.CHKTrans.Checked());
    const bool on = controls_.LabelTans.Enabled();
    controls_.TXTTrans.SetEnabled(on);
    controls_.UDTrans.SetEnabled(on);
    controls_.LabelTarnsPer.SetEnabled(on);
    const int percent = controls_.UDTrans.Position();
    if (on && controls_.PPEnabled.Checked() && controls_.PPEnabled.Visible() && percent < 100) {
        ApplyTranslucency(static_cast<std::int16_t>(percent), true);
    }
}

Rect TMainForm::VirtualScreenRect() {
    IWindowSystem& win = context_.platform.win;
    const int left = win.GetSystemMetrics(sm::XVIRTUALSCREEN);
    const int top = win.GetSystemMetrics(sm::YVIRTUALSCREEN);
    return Rect{left, top, left + win.GetSystemMetrics(sm::CXVIRTUALSCREEN),
                top + win.GetSystemMetrics(sm::CYVIRTUALSCREEN)};
}

bool TMainForm::IsWindows2000OrLater() const {
    return context_.system.info.dwMajorVersion >= 5;
}

void TMainForm::RunFullPass() {
    RunPass([this] { watchCycle_->RunFullPass(); });
}

void TMainForm::TimerTimer() {
    RunPass([this] { watchCycle_->TimerTimer(); });
}

void TMainForm::Close(CloseRoute route) {
    if (closed_)
        return;
    // The close query's message box is open and another close comes (the
    // exit item, another program): the box's answer decides, and it is no
    // restart any more. The end of the session closes at once.
    if (closing_) {
        CloseAskedWhileClosing();
        if (route != CloseRoute::SessionEnd)
            return;
    }
    const bool wasClosing = std::exchange(closing_, true);
    bool allowed = false;
    try {
        allowed = FormCloseQuery(route);
    } catch (...) {
        closing_ = wasClosing;
        throw;
    }
    closing_ = wasClosing;
    // Closed meanwhile by the end of the session.
    if (!allowed || closed_)
        return;
    closed_ = true;
    settingsWindow_.Hide();
    context_.platform.win.PostQuitMessage(0);
}

void TMainForm::CloseAskedWhileClosing() {
    // Declined after all, the program carries on with this desktop as its
    // starting one, as after a declined restart.
    if (restartPending_) {
        restartPending_ = false;
        startDesktopRect_ = desktopRect_;
    }
}

bool TMainForm::FormCloseQuery(CloseRoute route) {
    timer_.SetEnabled(false);
    // Nothing reported from now on is checked.
    windowEvents_->Stop();
    if (!context_.commandLine.IsQuick()) {
        // A failed save never touches the file there; the user decides
        // whether to leave without it, except at the end of the session.
        try {
            SaveSettings();
        } catch (const SettingsWriteError&) {
            TraceCaughtError(context_.platform.os);
            if (route != CloseRoute::SessionEnd && !ConfirmCloseWithoutSaving()) {
                // Closed while the box was open: nothing left to decline.
                if (!closed_)
                    DeclineClose();
                return false;
            }
            if (closed_)
                return false;
        }
    }
    // Whatever ends the program, the user keeps a visible taskbar.
    hiding_->ShowHiddenTaskbar();
    if (!context_.commandLine.IsQuick()) {
        if (controls_.LabelTans.Enabled())
            ApplyTranslucency(100, true);
    }
    if (restartPending_) {
        IOperatingSystem& os = context_.platform.os;
        os.Sleep(kRestartDelayMs);
        LaunchProgram(context_.platform, Window(), os.GetModuleFileNameA(), "/w", ProgramFolder(os),
                      sw::SHOWNORMAL);
    }
    return true;
}

void TMainForm::DeclineClose() {
    // A declined restart is asked again only after the next change of the
    // desktop: the program carries on with this one as its starting desktop.
    if (restartPending_) {
        restartPending_ = false;
        startDesktopRect_ = desktopRect_;
    }
    timer_.SetEnabled(true);
    windowEvents_->Start(Window());
}

bool TMainForm::ConfirmCloseWithoutSaving() {
    const std::u16string text =
        std::u16string(context_.Text(TextId::SaveFailed).wide) + u"\r\n" +
        context_.platform.os.MultiByteToWideChar(settings_.SettingsFileName()) + u"\r\n\r\n" +
        context_.Text(TextId::SaveFailedQuestion).wide;
    return context_.platform.win.MessageBoxW(
               Window(), text.c_str(), context_.Text(TextId::MessageCaption).wide,
               mb::OKCANCEL | mb::ICONWARNING | mb::DEFBUTTON2) == id_::OK;
}

void TMainForm::PPExitClick() {
    hiding_->ShowHiddenTaskbar();
    Close();
}

void TMainForm::OnCopyData(const CopyDataStruct* data) {
    if (!IsShowRequest(data))
        return;
    // A hidden taskbar hides the icon with it: a second start is the
    // keyboard's way to get both back.
    if (taskbar_.Hidden) {
        hiding_->ShowHiddenTaskbar();
        return;
    }
    // Only an icon really in the notification area leads the user to the
    // settings; one the shell never took leaves this as the way there.
    if (settingsWindow_.Visible() || trayIcon_.IconShown())
        return;
    PPConfigClick();
}

bool TMainForm::CheckRestart() {
    restartPending_ = false;
    // Quick mode ends after its pass anyway.
    if (desktopRect_ != startDesktopRect_ && !context_.commandLine.IsQuick())
        restartPending_ = true;
    if (restartPending_ && RestartMustWait(context_.platform.win, taskbar_.Handle))
        restartPending_ = false;
    return restartPending_;
}

} // namespace vm
