// The settings window's procedure: each message passes the program's gate,
// then is cracked once, here, into the typed handler that acts on it, the
// window's own or its host's, under the one guard.
#include "app/main_form.h"
#include "platform/constants.h"
#include "platform/private_ids.h"
#include "ui/next_dialog_control.h"

namespace vm {

MsgResult TMainForm::WindowProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    // A message whose handler failed is answered 0 without the default
    // handling, which could act on a half-handled message (a WM_CLOSE would
    // destroy the window).
    MsgResult result = 0;
    host_.Guarded([&] {
        const MsgResult held = host_.Gate(window, msg, wParam, lParam);
        result = held ? held : CrackMessage(msg, wParam, lParam);
    });
    return result;
}

MsgResult TMainForm::CrackMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (msg) {
        case wm::TIMER:
            host_.OnTimer(wParam);
            return 0;
        case private_msg::EVENTS_PENDING:
            host_.CheckWindowEvents();
            return 0;
        case private_msg::HANDLE_DEFERRED:
            host_.ReleaseHeld();
            return 0;
        case private_msg::REPAINT_AFTER_CUES:
            OnRepaintAfterCues();
            return 0;
        case wm::COPYDATA:
            host_.OnCopyData(reinterpret_cast<const CopyDataStruct*>(lParam));
            return 0;
        case wm::CLOSE:
            host_.OnCloseMessage();
            return 0;
        case wm::QUERYENDSESSION:
            return 1;
        case wm::ENDSESSION:
            if (wParam != 0)
                host_.OnEndSession();
            return std::nullopt;
        case wm::SYSCOMMAND:
            return OnSysCommand(wParam & sc::COMMAND_MASK) ? MsgResult{0} : std::nullopt;
        case wm::COMMAND:
            OnCommand(static_cast<int>(LowWord(wParam)), HighWord(wParam),
                      static_cast<Hwnd>(lParam));
            return std::nullopt;
        case wm::VSCROLL:
        case wm::HSCROLL:
            router_.Notify(static_cast<Hwnd>(lParam), LowWord(wParam));
            return std::nullopt;
        case wm::CTLCOLORSTATIC: {
            const HBrush brush =
                OnCtlColorStatic(static_cast<Hdc>(wParam), static_cast<Hwnd>(lParam));
            return brush ? MsgResult{static_cast<std::intptr_t>(brush.Value())} : std::nullopt;
        }
        case wm::ACTIVATE:
            return OnActivate(LowWord(wParam), HighWord(wParam) != 0) ? MsgResult{0} : std::nullopt;
        case wm::ACTIVATEAPP:
            OnActivateApp(wParam != 0);
            return std::nullopt;
        case wm::NEXTDLGCTL:
            NextDialogControl(context_.platform.win, Window(), wParam, lParam);
            return 0;
        case wm::SHOWWINDOW:
            OnShowWindow(wParam != 0, static_cast<std::uint32_t>(lParam));
            return std::nullopt;
        case wm::DPICHANGED:
            if (lParam != 0)
                FormDpiChanged(LowWord(wParam), *reinterpret_cast<const Rect*>(lParam));
            return std::nullopt;
        case wm::DISPLAYCHANGE:
            host_.OnDisplayChange();
            return std::nullopt;
        case wm::UPDATEUISTATE:
            OnUpdateUiState();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

bool TMainForm::OnSysCommand(std::uintptr_t command) {
    // The settings window closes only through OK and Cancel: Alt+F4 on it is
    // Cancel. Hidden, it is the program's main window, and the default
    // handling closes the program.
    if (command != sc::CLOSE || !settingsWindow_.Visible())
        return false;
    controls_.BtnCancel.Click();
    return true;
}

void TMainForm::OnCommand(int id, std::uint32_t code, Hwnd control) {
    // The dialog manager's Enter (IDOK) and Esc (IDCANCEL).
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
    router_.Notify(control, code);
}

HBrush TMainForm::OnCtlColorStatic(Hdc dc, Hwnd control) {
    // The title strip's colours: active or inactive caption.
    if (control == 0 || control != controls_.TextCap.Window())
        return {};
    IWindowSystem& win = context_.platform.win;
    const int back = appActive_ ? color::ACTIVECAPTION : color::INACTIVECAPTION;
    const int text = appActive_ ? color::CAPTIONTEXT : color::INACTIVECAPTIONTEXT;
    win.SetTextColor(dc, win.GetSysColor(text));
    win.SetBkColor(dc, win.GetSysColor(back));
    return win.GetSysColorBrush(back);
}

bool TMainForm::OnActivate(std::uint32_t state, bool minimized) {
    return focusKeeper_.OnActivate(Window(), state, minimized, controls_.Slider.Window());
}

void TMainForm::OnActivateApp(bool active) {
    appActive_ = active;
    if (controls_.TextCap.Window() != 0)
        context_.platform.win.RedrawWindow(controls_.TextCap.Window(),
                                           rdw::INVALIDATE | rdw::ERASE);
}

void TMainForm::OnShowWindow(bool shown, std::uint32_t status) {
    // Shown on request (not as its owner comes back): the settings window
    // comes in front, past the application window that owns it.
    if (shown && status == 0) {
        context_.platform.win.SetForegroundWindow(appWindow_);
        context_.platform.win.SetForegroundWindow(Window());
    }
}

void TMainForm::OnUpdateUiState() {
    if (vistaThemed_ && !cueRepaintPending_)
        cueRepaintPending_ =
            context_.platform.win.PostMessageA(Window(), private_msg::REPAINT_AFTER_CUES, 0, 0);
}

void TMainForm::OnRepaintAfterCues() {
    // The Alt key showed the cues and themed controls lost parts of their
    // drawing: paint the window and all its controls again.
    cueRepaintPending_ = false;
    context_.platform.win.RedrawWindow(Window(), rdw::INVALIDATE | rdw::ERASE | rdw::ALLCHILDREN |
                                                     rdw::UPDATENOW);
}

bool TMainForm::IsVistaThemed() const {
    return context_.system.info.dwMajorVersion >= 6 && context_.platform.win.IsAppThemed();
}

} // namespace vm
