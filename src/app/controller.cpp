#include "app/controller.h"

#include <string>

#include "app/hand_over.h"
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
} // namespace

ProgramController::ProgramController(ProgramContext& context, Hwnd appWindow)
    : context_(context), appWindow_(appWindow), gate_(context.platform, *this),
      controls_(context.language), windowState_(context.platform),
      timer_(context.platform.win, timer_id::WATCH, kStoredTimerInterval),
      settings_(context, controls_) {
    form_ = std::make_unique<TMainForm>(context_, appWindow_, controls_, monitors_, *this);
    timer_.Bind(Window());
    gate_.Bind(Window(), appWindow_);
    tray_ = std::make_unique<TrayBehaviour>(context_, controls_, SettingsWindow(), *this);
    tray_->Bind(Window(), Dpi());
    Tray().RunAlone = [this](const Handler& handling) {
        if (InPass())
            handling();
        else
            RunPass(handling);
    };
    Tray().SetGate([this](Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                          std::intptr_t lParam) { return Gate(window, msg, wParam, lParam); });
    watcherControls_ = std::make_unique<WatcherControls>(controls_, Tray(), SettingsWindow(),
                                                         watchOptions_, *this);
    tracker_ = std::make_unique<TaskbarTracker>(context_, watchOptions_, *watcherControls_, *this);
    translucency_ = std::make_unique<Translucency>(context_, controls_, tracker_->Taskbar());
    hiding_ = std::make_unique<TaskbarHiding>(context_, *tracker_);
    const WatcherParts parts{.context = context_,
                             .options = watchOptions_,
                             .outputs = *watcherControls_,
                             .host = *this,
                             .state = state_,
                             .monitors = monitors_,
                             .tracker = *tracker_,
                             .windowState = windowState_};
    windowHandler_ = std::make_unique<WindowHandler>(parts);
    watchCycle_ = std::make_unique<WatchCycle>(parts, *windowHandler_);
    windowEvents_ = std::make_unique<WindowEvents>(context_, *watchCycle_);
    windowHandler_->SetSettleWaiter(*windowEvents_);
    WireHandlers();
}

void ProgramController::CancelSettings() {
    BtnCancelClick();
    watcherControls_->TakeSnapshot();
}

void ProgramController::WireHandlers() {
    // A tick guards itself, as every pass does.
    timer_.OnTimer = [this] { TimerTimer(); };
    controls_.PPExit.OnClick = Guard([this] { PPExitClick(); });
    controls_.PPConfig.OnClick = Guard([this] { PPConfigClick(); });
    controls_.BtnOK.OnClick = Guard([this] { BtnOKClick(); });
    controls_.BtnCancel.OnClick = Guard([this] { BtnCancelClick(); });
    controls_.BtnAdd.OnClick = Guard([this] { form_->BtnAddClick(); });
    controls_.BtnDel.OnClick = Guard([this] { form_->BtnDelClick(); });
    controls_.BtnLog.OnClick = Guard([this] { form_->BtnLogClick(); });
    controls_.BtnWav.OnClick = Guard([this] { form_->BtnWavClick(); });
    controls_.ListBoxDisable.OnClick = Guard([this] { form_->ListBoxDisableClick(); });
    controls_.ListBoxLog.OnClick = Guard([this] { form_->ListBoxLogClick(); });
    SettingsWindow().OnShow = Guard([this] { form_->FormShow(); });
    SettingsWindow().OnHide = Guard([this] { form_->FormHide(); });
    controls_.BtnStartUp.OnClick = Guard([this] { form_->BtnStartUpClick(); });
    controls_.BtnQuickLaunch.OnClick = Guard([this] { form_->BtnQuickLaunchClick(); });
    controls_.CHKTray.OnClick = Guard([this] { tray_->CHKTrayClick(); });
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
    controls_.Slider.OnChange =
        Guard([this] { watcherControls_->TrackBarChange(tracker_->Taskbar().AppBarBottom()); });
    Tray().OnDblClick = Guard([this] { tray_->TrayIconDblClick(); });
    controls_.PPRMenu.OnPopup = Guard([this] { tray_->PPRMenuPopup(); });
    controls_.BtnRMenu.OnClick = Guard([this] { tray_->BtnRMenuClick(); });
    for (Button& button : controls_.BtnDefult) {
        button.OnClick = Guard(
            [this, &button] { tray_->BtnDefultClick(static_cast<std::size_t>(button.Tag())); });
    }
    for (Button& button : controls_.BtnCustom) {
        button.OnClick = Guard(
            [this, &button] { tray_->BtnCustomClick(static_cast<std::size_t>(button.Tag())); });
    }
}

ProgramController::~ProgramController() {
    CloseGate();
    timer_.SetEnabled(false);
    windowEvents_->Stop();
}

void ProgramController::Start() {
    const CommandLine& cmd = context_.commandLine;
    timer_.SetEnabled(false);
    Tray().SetIconVisible(false);
    Tray().SetEnabled(false);
    for (int i = 0; i < 3; ++i) {
        controls_.BtnDefult[i].SetTag(i);
        controls_.BtnCustom[i].SetTag(i);
    }
    state_ = WatchState{};
    tracker_->LookUpTaskbar();
    settings_.LoadSettings(true);
    // Watching always starts enabled, whatever was stored.
    controls_.PPEnabled.SetChecked(true);
    desktopRect_ = VirtualScreenRect();
    startDesktopRect_ = desktopRect_;
    if (cmd.HasArguments()) {
        if (!cmd.IsSilent()) {
            tray_->RebuildTrayImages();
            Tray().SetIconVisible(true);
            Tray().SetEnabled(true);
        }
    } else {
        context_.platform.os.Sleep(static_cast<std::uint32_t>(controls_.UDWait.Position()) * 1000);
        tray_->RebuildTrayImages();
        Tray().SetIconVisible(controls_.CHKTray.Checked());
        Tray().SetEnabled(true);
    }
    if (!settings_.FileFound() && !cmd.IsQuick() && !cmd.IsSilent())
        tray_->AnnounceFirstRun(settings_.CanKeepSettings() ? std::string()
                                                            : ProgramFolder(context_.platform.os));
    if (!cmd.IsSilent())
        SetUpTranslucency();
    if (!cmd.IsQuick()) {
        timer_.SetInterval(kTickInterval);
        timer_.SetEnabled(true);
        windowEvents_->Start(Window());
    }
}

void ProgramController::SetUpTranslucency() {
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

Rect ProgramController::VirtualScreenRect() {
    IWindowSystem& win = context_.platform.win;
    const int left = win.GetSystemMetrics(sm::XVIRTUALSCREEN);
    const int top = win.GetSystemMetrics(sm::YVIRTUALSCREEN);
    return Rect{left, top, left + win.GetSystemMetrics(sm::CXVIRTUALSCREEN),
                top + win.GetSystemMetrics(sm::CYVIRTUALSCREEN)};
}

bool ProgramController::IsWindows2000OrLater() const {
    return context_.system.info.dwMajorVersion >= 5;
}

void ProgramController::RunFullPass() {
    RunPass([this] { watchCycle_->RunFullPass(); });
}

void ProgramController::TimerTimer() {
    RunPass([this] { watchCycle_->TimerTimer(); });
}

void ProgramController::CheckWindowEvents() {
    RunPass([this] { windowEvents_->CheckWaiting(); });
}

void ProgramController::RunPass(const Handler& pass) {
    // One snapshot of the options for the whole pass.
    gate_.RunPass([this, &pass] {
        watcherControls_->TakeSnapshot();
        pass();
    });
}

void ProgramController::PPConfigClick() {
    Tray().SetEnabled(false);
    form_->Open();
}

void ProgramController::BtnOKClick() {
    // A file that cannot be written keeps the window open: the user learns
    // where it is and decides (another try, or Cancel).
    try {
        settings_.SaveSettings();
    } catch (const SettingsWriteError&) {
        TraceCaughtError(context_.platform.os);
        const std::u16string text =
            std::u16string(context_.Text(TextId::SaveFailed).wide) + u"\r\n" +
            context_.platform.os.MultiByteToWideChar(settings_.SettingsFileName());
        context_.platform.win.MessageBoxW(Window(), text.c_str(),
                                          context_.Text(TextId::MessageCaption).wide,
                                          mb::OK | mb::ICONWARNING);
        return;
    }
    SettingsClosed(false);
}

void ProgramController::BtnCancelClick() {
    settings_.LoadSettings(false);
    SettingsClosed(true);
}

void ProgramController::SettingsClosed(bool cancelled) {
    SettingsWindow().Hide();
    Tray().SetEnabled(true);
    tray_->RebuildTrayImages();
    // Cancel takes back the translucency the window previewed.
    if (cancelled && controls_.LabelTans.Enabled())
        ApplyTranslucency(static_cast<std::int16_t>(controls_.UDTrans.Position()), true);
    watchCycle_->ForgetForeground();
    watchCycle_->RequestFullPass();
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, win.GetDesktopWindow());
}

void ProgramController::OnTimer(std::uintptr_t id) {
    if (id == timer_.Id())
        timer_.Fire();
    else if (id == timer_id::RELOOK)
        CheckWindowEvents();
    else if (id == timer_id::RESUME)
        ResumeAfterError();
}

void ProgramController::OnDisplayChange() {
    desktopRect_ = VirtualScreenRect();
}

void ProgramController::OnDpiChanged(std::uint32_t dpi) {
    tray_->LoadDefaultGlyphs(dpi);
    tray_->RebuildTrayImages();
}

void ProgramController::OnCopyData(const CopyDataStruct* data) {
    if (!IsShowRequest(data))
        return;
    // A hidden taskbar hides the icon with it: a second start is the
    // keyboard's way to get both back.
    if (Taskbar().Hidden()) {
        hiding_->ShowHiddenTaskbar();
        return;
    }
    // Only an icon really in the notification area leads the user to the
    // settings; one the shell never took leaves this as the way there.
    if (SettingsWindow().Visible() || Tray().IconShown())
        return;
    PPConfigClick();
}

} // namespace vm
