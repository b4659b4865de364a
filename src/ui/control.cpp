#include "ui/control.h"

#include <algorithm>
#include <vector>

namespace vm {

bool Control::Create(IWindowSystem& win, Hwnd parent, int controlId,
                     const ControlPlacement& place) {
    std::uint32_t style = ws::CHILD | KindStyle() | place.style;
    style = visible_ ? (style | ws::VISIBLE) : (style & ~ws::VISIBLE);
    if (!enabled_)
        style |= ws::DISABLED;
    const std::string text = InitialText();
    const Hwnd window = win.CreateControl({.className = ClassName(),
                                           .text = text.c_str(),
                                           .style = style,
                                           .exStyle = place.exStyle,
                                           .x = place.x,
                                           .y = place.y,
                                           .width = place.width,
                                           .height = place.height,
                                           .parent = parent,
                                           .id = controlId});
    if (window == 0)
        return false;
    win_ = &win;
    window_ = window;
    if (const std::u16string wide = InitialWideText(); !wide.empty())
        win.SetWindowTextW(window, wide.c_str());
    HandOver();
    return true;
}

std::string Control::WindowText() const {
    const int length = win_->GetWindowTextLengthA(window_);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = win_->GetWindowTextA(window_, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(copied, 0)));
}

} // namespace vm
