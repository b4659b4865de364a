// The retained control model: every option lives in the control that shows
// it. A Control carries the states every kind shares.
//
// A control of the settings window owns a child window of a system class
// (Create). From then on the window holds the control's state (check mark,
// text, list lines, position, enabled) and the control asks the window for
// it, so there is one copy of every state, which other programs can read
// too. Until then, and for a control that never gets a window (a menu item,
// a model in a test), the control holds the state itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "platform/constants.h"
#include "platform/window_system.h"
#include "translations/ui_texts.h"

namespace vm {

using Handler = std::function<void()>;

// A control's caption: ANSI bytes for the "A" calls, and for the program's
// own texts their UTF-16 form too, which the window gets so that it shows
// right whatever the system's code page.
struct CaptionText {
    CaptionText(const char* ansiText) : ansi(ansiText) {}
    CaptionText(std::string ansiText) : ansi(std::move(ansiText)) {}
    CaptionText(UiText text) : ansi(text.ansi), wide(text.wide) {}

    std::string ansi;
    std::u16string wide;
};

// Where a control's window goes: client coordinates of its parent, and the
// styles beyond those of its kind.
struct ControlPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};

class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& Name() const { return name_; }
    bool Enabled() const { return window_ != 0 ? win_->IsWindowEnabled(window_) : enabled_; }
    void SetEnabled(bool enabled) {
        if (window_ != 0)
            win_->EnableWindow(window_, enabled);
        else
            enabled_ = enabled;
    }
    bool Visible() const {
        if (window_ == 0)
            return visible_;
        return (static_cast<std::uint32_t>(win_->GetWindowLongA(window_, gwl::STYLE)) &
                ws::VISIBLE) != 0;
    }
    void SetVisible(bool visible) {
        if (window_ != 0)
            win_->ShowWindow(window_, visible ? sw::SHOW : sw::HIDE);
        else
            visible_ = visible;
    }

    // Creates the control's window as a child of parent with the control
    // ID and hands it the state held so far. False when the system refuses.
    bool Create(IWindowSystem& win, Hwnd parent, int controlId, const ControlPlacement& place);
    Hwnd Window() const { return window_; }
    // A notification of the control's window to its parent (WM_COMMAND's
    // code, or the scroll code of WM_VSCROLL / WM_HSCROLL).
    virtual void Notify(std::uint32_t /*code*/) {}

protected:
    // The system class and the styles of the kind.
    virtual const char* ClassName() const = 0;
    virtual std::uint32_t KindStyle() const = 0;
    // The text the window is created with, and the UTF-16 form that
    // replaces it at once when there is one.
    virtual std::string InitialText() const { return {}; }
    virtual std::u16string InitialWideText() const { return {}; }
    // Moves the state held so far into the new window.
    virtual void HandOver() {}

    std::intptr_t Send(std::uint32_t msg, std::uintptr_t wParam = 0,
                       std::intptr_t lParam = 0) const {
        return win_->SendMessageA(window_, msg, wParam, lParam);
    }
    std::string WindowText() const;
    void SetWindowText(const std::string& text) const {
        win_->SetWindowTextA(window_, text.c_str());
    }

    IWindowSystem* win_ = nullptr;
    Hwnd window_ = 0;

private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
};

// A control that never has a window of its own: the tray menu's items.
class ModelControl : public Control {
public:
    using Control::Control;

protected:
    const char* ClassName() const override { return ""; }
    std::uint32_t KindStyle() const override { return 0; }
};

} // namespace vm
