// Fonts, colours, brushes and device contexts of the simulated desktop, and
// the measuring of text.
#include "platform/sim/sim_window_system.h"

#include <cstdlib>
#include <utility>

#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

namespace vm::sim {

HFont SimWindowSystem::CreateFontIndirectA(const LogFontA& font) {
    desk_.logCall(pid_, "CreateFontIndirectA", font.lfHeight, font.lfWeight);
    const HFont handle{desk_.nextGdiObject_};
    desk_.nextGdiObject_ += 4;
    desk_.fonts_.emplace(handle, font);
    return handle;
}

bool SimWindowSystem::DeleteObject(HGdiObj object) {
    desk_.logCall(pid_, "DeleteObject", object);
    return desk_.fonts_.erase(object) != 0;
}

ColorRef SimWindowSystem::GetSysColor(int index) {
    desk_.logCall(pid_, "GetSysColor", index);
    // The classic scheme's colours.
    switch (index) {
        case color::ACTIVECAPTION:
            return 0x6A240A;
        case color::INACTIVECAPTION:
            return 0x808080;
        case color::CAPTIONTEXT:
            return 0xFFFFFF;
        case color::INACTIVECAPTIONTEXT:
            return 0xC8D0D4;
        case color::BTNFACE:
            return 0xC8D0D4;
        default:
            return 0;
    }
}

HBrush SimWindowSystem::GetSysColorBrush(int index) {
    desk_.logCall(pid_, "GetSysColorBrush", index);
    // The system's own brushes, one per colour index.
    return index >= 0 && index < 31 ? HBrush{0x1000 + index} : HBrush{};
}

ColorRef SimWindowSystem::SetTextColor(Hdc dc, ColorRef color) {
    desk_.logCall(pid_, "SetTextColor", dc, color);
    const ColorRef old = desk_.textColorOf(dc);
    desk_.dcText_[dc] = color;
    return old;
}

ColorRef SimWindowSystem::SetBkColor(Hdc dc, ColorRef color) {
    desk_.logCall(pid_, "SetBkColor", dc, color);
    const ColorRef old = desk_.bkColorOf(dc);
    desk_.dcBk_[dc] = color;
    return old;
}

Hdc SimWindowSystem::GetDC(Hwnd window) {
    desk_.logCall(pid_, "GetDC", window);
    if (window != 0 && !desk_.exists(window))
        return 0;
    const Hdc dc{desk_.nextGdiObject_};
    desk_.nextGdiObject_ += 4;
    desk_.dcFont_[dc] = SimDesktop::kSystemFont;
    return dc;
}

int SimWindowSystem::ReleaseDC(Hwnd window, Hdc dc) {
    desk_.logCall(pid_, "ReleaseDC", window, dc);
    return desk_.dcFont_.erase(dc) != 0 ? 1 : 0;
}

HGdiObj SimWindowSystem::SelectObject(Hdc dc, HGdiObj object) {
    desk_.logCall(pid_, "SelectObject", dc, object);
    const auto selected = desk_.dcFont_.find(dc);
    if (selected == desk_.dcFont_.end() ||
        (object != SimDesktop::kSystemFont && desk_.fonts_.count(object) == 0))
        return 0;
    return std::exchange(selected->second, object);
}

// Every half-width character is half the font's height wide, a double-byte
// one as wide as the font is high; the system font is 16 pixels high.
bool SimWindowSystem::GetTextExtentPoint32A(Hdc dc, const char* text, int length, Size& size) {
    desk_.logCall(pid_, "GetTextExtentPoint32A", dc, length);
    const auto selected = desk_.dcFont_.find(dc);
    if (selected == desk_.dcFont_.end() || text == nullptr || length < 0)
        return false;
    const auto font = desk_.fonts_.find(selected->second);
    const int height = font == desk_.fonts_.end() ? 16 : std::abs(font->second.lfHeight);
    size = Size{length * height / 2, height};
    return true;
}

} // namespace vm::sim
