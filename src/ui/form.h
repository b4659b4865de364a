// The settings window's own visibility, kept in step with its real window.
#pragma once

#include <cstdint>

#include "platform/constants.h"
#include "platform/window_system.h"
#include "ui/control.h"

namespace vm {

class Form {
public:
    explicit Form(IWindowSystem& win) : win_(win) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void Bind(Hwnd window) { window_ = window; }
    Hwnd Window() const { return window_; }
    bool Visible() const { return visible_; }
    // Show runs OnShow before the window appears; Hide runs OnHide after it
    // is gone.
    void Show() {
        if (visible_)
            return;
        visible_ = true;
        if (OnShow)
            OnShow();
        if (window_ != 0)
            win_.ShowWindow(window_, sw::SHOW);
    }
    void Hide() {
        if (!visible_)
            return;
        visible_ = false;
        if (window_ != 0)
            win_.ShowWindow(window_, sw::HIDE);
        if (OnHide)
            OnHide();
    }

    // Moves the window's top edge, keeping its left edge and size.
    void SetTop(std::int32_t top) {
        top_ = top;
        Rect r;
        if (window_ != 0 && win_.GetWindowRect(window_, r)) {
            win_.SetWindowPos(window_, hwnd_pos::TOP, r.left, top, 0, 0,
                              swp::NOSIZE | swp::NOZORDER | swp::NOACTIVATE);
        }
    }
    std::int32_t Top() const { return top_; }

    Handler OnShow;
    Handler OnHide;

private:
    IWindowSystem& win_;
    Hwnd window_ = 0;
    bool visible_ = false;
    std::int32_t top_ = 0;
};

} // namespace vm
