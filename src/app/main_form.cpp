#include "app/main_form.h"

#include <string>
#include <utility>
#include <vector>

#include "app/hand_over.h"
#include "app/restart.h"
#include "platform/constants.h"
#include "platform/error_trace.h"
#include "settings/settings_file_names.h"
#include "settings/settings_write_error.h"
#include "sys/window_helpers.h"

namespace vm {

namespace {
constexpr std::uintptr_t kWatchTimerId = 1;
constexpr std::uint32_t kStoredTimerInterval = 100;
constexpr std::uint32_t kTickInterval = 250;
// Posted to itself after a change of the keyboard cues, so the repaint comes
// when the messages already waiting have been handled.
constexpr std::uint32_t kRepaintAfterCues = 0x8001; // WM_APP + 1
// Posted to itself once a pass has ended during which messages arrived.
constexpr std::uint32_t kHandleDeferred = 0x8003; // WM_APP + 3
// The pause before a restart starts the program again.
constexpr std::uint32_t kRestartDelayMs = 5000;
} // namespace

TMainForm::TMainForm(ProgramContext& context, Hwnd appWindow)
    : context_(context), appWindow_(appWindow), controls_(context.language),
      trayImages_(context.platform.win),
      timer_(context.platform.win, kWatchTimerId, kStoredTimerInterval),
      settingsWindow_(context.platform.win), settings_(context, controls_),
      layout_(context.platform.win, context.language), shortcuts_(context),
      focusKeeper_(context.platform.win) {
    IWindowSystem& win = context_.platform.win;
    // The settings window has no frame and stays above normal windows; the
    // keyboard walks its controls.
    window_ =
        ProgramWindow(win, ws_ex::TOPMOST | ws_ex::CONTROLPARENT, kMainFormClass,
                      context_.Text(TextId::MainFormCaption).ansi, ws::POPUP, 0, 0, kMainFormWidth,
                      kMainFormHeight, appWindow_,
                      [this](Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
                          return WindowProc(msg, wParam, lParam);
                      });
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
    tracker_ = std::make_unique<TaskbarTracker>(
        context_, controls_, taskbar_, trayIcon_, settingsWindow_,
        TaskbarTrackerHooks{
            .CloseController = [this] { Close(); },
            .ApplyTranslucency = [this](std::int16_t p, bool f) { ApplyTranslucency(p, f); },
            .BtnCancelClick = [this] { BtnCancelClick(); },
        });
    translucency_ = std::make_unique<Translucency>(context_, controls_, taskbar_);
    hiding_ = std::make_unique<TaskbarHiding>(context_, taskbar_, *tracker_);
    windowHandler_ = std::make_unique<WindowHandler>(context_, controls_, taskbar_, state_,
                                                     trayIcon_, monitors_, *tracker_);
    watchCycle_ = std::make_unique<WatchCycle>(
        context_, controls_, state_, taskbar_, timer_, settingsWindow_, monitors_, *tracker_,
        *windowHandler_,
        WatchCycleHooks{
            .CheckRestart = [this] { return CheckRestart(); },
            .CheckTaskbarReveal = [this] { hiding_->CheckTaskbarReveal(); },
            .ApplyTranslucency = [this](std::int16_t p, bool f) { ApplyTranslucency(p, f); },
            .CloseController = [this] { Close(); },
        });
    windowEvents_ =
        std::make_unique<WindowEvents>(context_, [this](const std::vector<Hwnd>& windows) {
            return watchCycle_->CheckWindows(windows);
        });
    trayHandlers_ = std::make_unique<TrayHandlers>(context_, controls_, trayIcon_, trayImages_,
                                                   settingsWindow_, state_, *tracker_);
    WireHandlers();
}

void TMainForm::WireHandlers() {
    // A tick guards itself, as every pass does.
    timer_.OnTimer = [this] { TimerTimer(); };
    controls_.PPExit.OnClick = EventHandler(&TMainForm::PPExitClick);
    controls_.PPConfig.OnClick = EventHandler(&TMainForm::PPConfigClick);
    controls_.BtnOK.OnClick = EventHandler(&TMainForm::BtnOKClick);
    controls_.BtnCancel.OnClick = EventHandler(&TMainForm::BtnCancelClick);
    controls_.BtnAdd.OnClick = EventHandler(&TMainForm::BtnAddClick);
    controls_.BtnDel.OnClick = EventHandler(&TMainForm::BtnDelClick);
    controls_.BtnLog.OnClick = EventHandler(&TMainForm::BtnLogClick);
    controls_.BtnWav.OnClick = EventHandler(&TMainForm::BtnWavClick);
    controls_.ListBoxDisable.OnClick = EventHandler(&TMainForm::ListBoxDisableClick);
    controls_.ListBoxLog.OnClick = EventHandler(&TMainForm::ListBoxLogClick);
    settingsWindow_.OnShow = EventHandler(&TMainForm::FormShow);
    settingsWindow_.OnHide = EventHandler(&TMainForm::FormHide);
    controls_.BtnStartUp.OnClick = EventHandler(&TMainForm::BtnStartUpClick);
    controls_.BtnQuickLaunch.OnClick = EventHandler(&TMainForm::BtnQuickLaunchClick);
    controls_.CHKTray.OnClick = EventHandler([this] { trayHandlers_->CHKTrayClick(); });
    controls_.CHKTrans.OnClick = EventHandler([this] { translucency_->CHKTransClick(); });
    controls_.UDTrans.OnClick = EventHandler([this] { translucency_->UDTransClick(); });
    controls_.CHKStartMenu.OnClick = EventHandler([this] { translucency_->CHKStartMenuClick(); });
    controls_.PPHide.OnClick = EventHandler([this] { hiding_->PPHideClick(); });
    controls_.CHKCap.OnClick = EventHandler([this] { controls_.CHKCapClick(); });
    controls_.CHKWav.OnClick = EventHandler([this] { controls_.CHKWavClick(); });
    controls_.PPEnabled.OnClick = EventHandler([this] { tracker_->PPEnabledClick(); });
    controls_.Slider.OnChange = EventHandler([this] { tracker_->TrackBarChange(); });
    trayIcon_.OnDblClick = EventHandler([this] { trayHandlers_->TrayIconDblClick(); });
    controls_.PPRMenu.OnPopup = EventHandler([this] { trayHandlers_->PPRMenuPopup(); });
    controls_.BtnRMenu.OnClick = EventHandler([this] { trayHandlers_->BtnRMenuClick(); });
    for (Button& button : controls_.BtnDefult) {
        button.OnClick = EventHandler([this, &button] {
            trayHandlers_->BtnDefultClick(static_cast<std::size_t>(button.Tag()));
        });
    }
    for (Button& button : controls_.BtnCustom) {
        button.OnClick = EventHandler([this, &button] {
            trayHandlers_->BtnCustomClick(static_cast<std::size_t>(button.Tag()));
        });
    }
}

TMainForm::~TMainForm() {
    timer_.SetEnabled(false);
    windowEvents_->Stop();
}

MsgResult TMainForm::WindowProc(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (msg) {
        case wm::TIMER:
            if (wParam == timer_.Id())
                timer_.Fire();
            else if (wParam == WindowEvents::kRelookTimerId)
                CheckWindowEvents();
            return 0;
        case WindowEvents::kPendingMessage:
            CheckWindowEvents();
            return 0;
        case wm::COPYDATA:
            if (InPass())
                deferred_.AddCopyData(wParam, reinterpret_cast<const CopyDataStruct*>(lParam));
            else
                Guarded([&] { OnCopyData(reinterpret_cast<const CopyDataStruct*>(lParam)); });
            return 0;
        // Closed from outside (another program, the end of the session): the
        // same closing as the exit item's, so the settings are saved; the end
        // of the session closes even when they cannot be.
        case wm::CLOSE:
            OnCloseMessage();
            return 0;
        case wm::QUERYENDSESSION:
            return 1;
        case wm::ENDSESSION:
            if (wParam != 0)
                OnEndSession();
            return std::nullopt;
        // The settings window closes only through OK and Cancel: Alt+F4 on
        // it is Cancel. Hidden, it is the program's main window, and the
        // default handling closes the program.
        case wm::SYSCOMMAND:
            if ((wParam & sc::COMMAND_MASK) == sc::CLOSE && settingsWindow_.Visible()) {
                OnSysCommandClose();
                return 0;
            }
            return std::nullopt;
        case kHandleDeferred:
            HandleDeferred();
            return 0;
        case wm::COMMAND:
        case wm::VSCROLL:
        case wm::HSCROLL:
            if (msg == wm::COMMAND)
                OnCommand(wParam, lParam);
            else
                router_.Route(msg, wParam, lParam);
            return std::nullopt;
        case wm::CTLCOLORSTATIC:
            if (lParam != 0 && static_cast<Hwnd>(lParam) == controls_.TextCap.Window())
                return static_cast<std::intptr_t>(TextCapColours(static_cast<Hdc>(wParam)).Value());
            return std::nullopt;
        case wm::ACTIVATE:
            if (focusKeeper_.OnActivate(Window(), wParam, controls_.Slider.Window()))
                return 0;
            return std::nullopt;
        case wm::ACTIVATEAPP:
            appActive_ = wParam != 0;
            if (controls_.TextCap.Window() != 0)
                context_.platform.win.RedrawWindow(controls_.TextCap.Window(),
                                                   rdw::INVALIDATE | rdw::ERASE);
            return std::nullopt;
        case wm::SHOWWINDOW:
            // Shown on request (not as its owner comes back): the settings
            // window comes in front, past the application window that owns it.
            if (wParam != 0 && lParam == 0) {
                context_.platform.win.SetForegroundWindow(appWindow_);
                context_.platform.win.SetForegroundWindow(Window());
            }
            return std::nullopt;
        case wm::DPICHANGED:
            if (lParam != 0) {
                const Rect suggested = *reinterpret_cast<const Rect*>(lParam);
                Guarded([&] {
                    FormDpiChanged(static_cast<std::uint32_t>(wParam & 0xFFFFu), suggested);
                });
            }
            return std::nullopt;
        case wm::DISPLAYCHANGE:
            desktopRect_ = VirtualScreenRect();
            return std::nullopt;
        case wm::UPDATEUISTATE:
            if (vistaThemed_ && !cueRepaintPending_)
                cueRepaintPending_ =
                    context_.platform.win.PostMessageA(Window(), kRepaintAfterCues, 0, 0);
            return std::nullopt;
        case kRepaintAfterCues:
            // The Alt key showed the cues and themed controls lost parts of
            // their drawing: paint the window and all its controls again.
            cueRepaintPending_ = false;
            context_.platform.win.RedrawWindow(Window(), rdw::INVALIDATE | rdw::ERASE |
                                                             rdw::ALLCHILDREN | rdw::UPDATENOW);
            return 0;
        default:
            return std::nullopt;
    }
}

void TMainForm::OnCommand(std::uintptr_t wParam, std::intptr_t lParam) {
    const auto id = static_cast<int>(wParam & 0xFFFFu);
    const auto code = static_cast<std::uint32_t>((wParam >> 16) & 0xFFFFu);
    if (code == bn::CLICKED && id == id_::OK) {
        // Enter presses the focused push button, or OK when none has the focus.
        const Hwnd focus = context_.platform.win.GetFocus();
        auto* focused = dynamic_cast<Button*>(router_.Find(focus));
        (focused != nullptr ? *focused : controls_.BtnOK).Click();
        return;
    }
    if (code == bn::CLICKED && id == id_::CANCEL) {
        controls_.BtnCancel.Click();
        return;
    }
    router_.Route(wm::COMMAND, wParam, lParam);
}

HBrush TMainForm::TextCapColours(Hdc dc) {
    IWindowSystem& win = context_.platform.win;
    const int back = appActive_ ? color::ACTIVECAPTION : color::INACTIVECAPTION;
    const int text = appActive_ ? color::CAPTIONTEXT : color::INACTIVECAPTIONTEXT;
    win.SetTextColor(dc, win.GetSysColor(text));
    win.SetBkColor(dc, win.GetSysColor(back));
    return win.GetSysColorBrush(back);
}

bool TMainForm::IsVistaThemed() const {
    return context_.system.info.dwMajorVersion >= 6 && context_.platform.win.IsAppThemed();
}

template <typename F>
void TMainForm::Guarded(F&& handler) {
    try {
        handler();
    } catch (...) {
        ErrorHook(ErrorTraceLine(context_.platform.os.GetLastError()));
    }
}

template <typename F>
void TMainForm::RunPass(F&& pass) {
    // Never one pass inside another: the timer comes again after the pass,
    // and windows reported meanwhile are checked once it has ended.
    if (InPass())
        return;
    ++passDepth_;
    Guarded(pass);
    --passDepth_;
    if (!deferred_.Empty() || eventsDeferred_)
        Guarded([this] { PostDeferred(); });
}

void TMainForm::CheckWindowEvents() {
    if (InPass()) {
        eventsDeferred_ = true;
        return;
    }
    RunPass([this] { windowEvents_->CheckWaiting(); });
}

void TMainForm::PostDeferred() {
    if (!deferredPosted_)
        deferredPosted_ = context_.platform.win.PostMessageA(Window(), kHandleDeferred, 0, 0);
}

void TMainForm::HandleDeferred() {
    deferredPosted_ = false;
    // Still inside a pass (a message box of its closing reads the queue):
    // they wait on.
    if (InPass())
        return;
    const std::vector<DeferredMessage> messages = deferred_.Take();
    if (std::exchange(eventsDeferred_, false))
        CheckWindowEvents();
    for (const DeferredMessage& message : messages)
        HandleDeferred(message);
}

void TMainForm::HandleDeferred(const DeferredMessage& message) {
    switch (message.msg) {
        case wm::COPYDATA: {
            const CopyDataStruct record = message.Record();
            Guarded([&] { OnCopyData(message.hasRecord ? &record : nullptr); });
            return;
        }
        case wm::CLOSE:
            OnCloseMessage();
            return;
        case wm::ENDSESSION:
            OnEndSession();
            return;
        case wm::SYSCOMMAND:
            OnSysCommandClose();
            return;
        default:
            return;
    }
}

void TMainForm::OnCloseMessage() {
    // While the close query waits for the user's answer, that answer decides.
    if (closing_) {
        CloseAskedWhileClosing();
        return;
    }
    if (InPass()) {
        deferred_.Add(wm::CLOSE, 0);
        return;
    }
    Guarded([this] { Close(); });
}

void TMainForm::OnEndSession() {
    if (InPass()) {
        // The system may end the process as soon as the message has been
        // answered: the settings are written now, the closing follows the
        // pass.
        Guarded([this] {
            if (!context_.commandLine.IsQuick()) {
                try {
                    SaveSettings();
                } catch (const SettingsWriteError&) {
                    // The file already there stays as it was.
                }
            }
        });
        if (closing_)
            CloseAskedWhileClosing();
        deferred_.Add(wm::ENDSESSION, 1);
        return;
    }
    Guarded([this] { Close(CloseRoute::SessionEnd); });
}

void TMainForm::OnSysCommandClose() {
    if (InPass()) {
        deferred_.Add(wm::SYSCOMMAND, sc::CLOSE);
        return;
    }
    if (settingsWindow_.Visible())
        controls_.BtnCancel.Click();
}

Handler TMainForm::EventHandler(void (TMainForm::*method)()) {
    return EventHandler([this, method] { (this->*method)(); });
}

Handler TMainForm::EventHandler(Handler handler) {
    return [this, handler = std::move(handler)] { Guarded(handler); };
}

void TMainForm::ErrorHook(const std::string& trace) {
    // The user sees nothing: the error leaves its trace, the program pauses a
    // second, then the watch cycle carries on.
    context_.platform.os.OutputDebugStringA(trace.c_str());
    timer_.SetEnabled(false);
    context_.platform.win.ProcessMessages();
    context_.platform.os.Sleep(1000);
    timer_.SetEnabled(true);
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
    if (!settings_.FileFound())
        trayHandlers_->AnnounceFirstRun();
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
