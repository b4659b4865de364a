// The program's closing, its restart, and the error hook's pause: what the
// gate lets through at once while a close waits for the user's answer.
#include "app/controller.h"

#include <utility>

#include "app/restart.h"
#include "platform/constants.h"
#include "platform/error_trace.h"
#include "platform/private_ids.h"
#include "settings/settings_file_names.h"
#include "settings/settings_write_error.h"

namespace vm {

namespace {
// How long the watch cycle rests after an error.
constexpr std::uint32_t kErrorPauseMs = 1000;
// The pause before a restart starts the program again.
constexpr std::uint32_t kRestartDelayMs = 5000;
} // namespace

void ProgramController::Close(CloseRoute route) {
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
    SettingsWindow().Hide();
    context_.platform.win.PostQuitMessage(0);
}

void ProgramController::CloseAskedWhileClosing() {
    // Declined after all, the program carries on with this desktop as its
    // starting one, as after a declined restart.
    if (restartPending_) {
        restartPending_ = false;
        startDesktopRect_ = desktopRect_;
    }
}

bool ProgramController::FormCloseQuery(CloseRoute route) {
    timer_.SetEnabled(false);
    // Nothing reported from now on is checked.
    windowEvents_->Stop();
    if (!context_.commandLine.IsQuick()) {
        // A failed save never touches the file there; the user decides
        // whether to leave without it, except at the end of the session.
        try {
            settings_.SaveSettings();
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

void ProgramController::DeclineClose() {
    // A declined restart is asked again only after the next change of the
    // desktop: the program carries on with this one as its starting desktop.
    if (restartPending_) {
        restartPending_ = false;
        startDesktopRect_ = desktopRect_;
    }
    timer_.SetEnabled(true);
    windowEvents_->Start(Window());
}

bool ProgramController::ConfirmCloseWithoutSaving() {
    const std::u16string text =
        std::u16string(context_.Text(TextId::SaveFailed).wide) + u"\r\n" +
        context_.platform.os.MultiByteToWideChar(settings_.SettingsFileName()) + u"\r\n\r\n" +
        context_.Text(TextId::SaveFailedQuestion).wide;
    return context_.platform.win.MessageBoxW(
               Window(), text.c_str(), context_.Text(TextId::MessageCaption).wide,
               mb::OKCANCEL | mb::ICONWARNING | mb::DEFBUTTON2) == id_::OK;
}

void ProgramController::PPExitClick() {
    hiding_->ShowHiddenTaskbar();
    Close();
}

bool ProgramController::CheckRestart() {
    restartPending_ = false;
    // Quick mode ends after its pass anyway.
    if (desktopRect_ != startDesktopRect_ && !context_.commandLine.IsQuick())
        restartPending_ = true;
    if (restartPending_ && RestartMustWait(context_.platform.win, Taskbar().Handle()))
        restartPending_ = false;
    return restartPending_;
}

void ProgramController::ErrorHook(const std::string& trace) {
    // The user sees nothing: the error leaves its trace and the watch cycle
    // pauses a second, then carries on. The pause is a timer, so the
    // procedure that failed returns at once and no message waits behind it.
    context_.platform.os.OutputDebugStringA(trace.c_str());
    timer_.SetEnabled(false);
    if (!context_.platform.win.SetTimer(Window(), timer_id::RESUME, kErrorPauseMs))
        ResumeAfterError();
}

void ProgramController::ResumeAfterError() {
    context_.platform.win.KillTimer(Window(), timer_id::RESUME);
    // A close under way decides about the timer itself.
    if (!closed_ && !closing_)
        timer_.SetEnabled(true);
}

void ProgramController::CloseGate() {
    // The icon goes last and tells the shell so, which may hand its window
    // one more callback: nothing of the program is there to act on it.
    Tray().SetGate([](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
        return PassGate::WaitsForThePass(msg) ? MsgResult{0} : MsgResult{};
    });
}

bool ProgramController::ActNow(Hwnd window, std::uint32_t msg, std::uintptr_t wParam) {
    if (window != Window() && window != appWindow_)
        return false;
    // While the close query waits for the user's answer, that answer
    // decides: the close asked for now only turns the restart off.
    if (msg == wm::CLOSE && closing_) {
        CloseAskedWhileClosing();
        return true;
    }
    if (msg == wm::ENDSESSION && wParam != 0 && window == Window()) {
        // The system may end the process as soon as the message has been
        // answered: the settings are written now, the closing follows.
        Guarded([this] {
            if (!context_.commandLine.IsQuick()) {
                try {
                    settings_.SaveSettings();
                } catch (const SettingsWriteError&) {
                    // The file already there stays as it was.
                    TraceCaughtError(context_.platform.os);
                }
            }
        });
        if (closing_)
            CloseAskedWhileClosing();
    }
    return false;
}

void ProgramController::OnCloseMessage() {
    // While the close query waits for the user's answer, that answer decides.
    if (closing_) {
        CloseAskedWhileClosing();
        return;
    }
    Guarded([this] { Close(); });
}

void ProgramController::OnEndSession() {
    Guarded([this] { Close(CloseRoute::SessionEnd); });
}

} // namespace vm
