// When the program's work runs: the one guard every handler runs under, the
// error hook's pause, the passes (never one inside another) and the messages
// that arrived during a pass, handled once it has ended.
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "platform/constants.h"
#include "platform/error_trace.h"
#include "platform/private_ids.h"
#include "settings/settings_write_error.h"

namespace vm {

namespace {
// How long the watch cycle rests after an error.
constexpr std::uint32_t kErrorPauseMs = 1000;
} // namespace

void TMainForm::Guarded(const Handler& handler) {
    try {
        handler();
    } catch (...) {
        ErrorHook(ErrorTraceLine(context_.platform.os.GetLastError()));
    }
}

Handler TMainForm::Guard(Handler handler) {
    return [this, handler = std::move(handler)] { Guarded(handler); };
}

void TMainForm::ErrorHook(const std::string& trace) {
    // The user sees nothing: the error leaves its trace and the watch cycle
    // pauses a second, then carries on. The pause is a timer, so the
    // procedure that failed returns at once and no message waits behind it.
    context_.platform.os.OutputDebugStringA(trace.c_str());
    timer_.SetEnabled(false);
    if (!context_.platform.win.SetTimer(Window(), timer_id::RESUME, kErrorPauseMs))
        ResumeAfterError();
}

void TMainForm::ResumeAfterError() {
    context_.platform.win.KillTimer(Window(), timer_id::RESUME);
    // A close under way decides about the timer itself.
    if (!closed_ && !closing_)
        timer_.SetEnabled(true);
}

void TMainForm::RunPass(const Handler& pass) {
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
        deferredPosted_ =
            context_.platform.win.PostMessageA(Window(), private_msg::HANDLE_DEFERRED, 0, 0);
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

} // namespace vm
