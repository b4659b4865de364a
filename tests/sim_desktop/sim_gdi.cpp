// The graphics calls of a program on the simulated desktop, carried out by
// its GDI part; the system colours and brushes of the classic scheme.
#include "sim_desktop/sim_window_system.h"

#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

HFont SimWindowSystem::CreateFontIndirectA(const LogFontA& font) {
    desk_.logCall(pid_, "CreateFontIndirectA", font.lfHeight, font.lfWeight);
    return desk_.gdi().createFont(font);
}

bool SimWindowSystem::DeleteObject(HGdiObj object) {
    desk_.logCall(pid_, "DeleteObject", object);
    return desk_.gdi().deleteObject(object);
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
    return desk_.gdi().setTextColor(dc, color);
}

ColorRef SimWindowSystem::SetBkColor(Hdc dc, ColorRef color) {
    desk_.logCall(pid_, "SetBkColor", dc, color);
    return desk_.gdi().setBkColor(dc, color);
}

Hdc SimWindowSystem::GetDC(Hwnd window) {
    desk_.logCall(pid_, "GetDC", window);
    if (window != 0 && !desk_.windows().exists(window))
        return 0;
    return desk_.gdi().getDC();
}

int SimWindowSystem::ReleaseDC(Hwnd window, Hdc dc) {
    desk_.logCall(pid_, "ReleaseDC", window, dc);
    return desk_.gdi().releaseDC(dc) ? 1 : 0;
}

HGdiObj SimWindowSystem::SelectObject(Hdc dc, HGdiObj object) {
    desk_.logCall(pid_, "SelectObject", dc, object);
    return desk_.gdi().selectObject(dc, object);
}

bool SimWindowSystem::GetTextExtentPoint32A(Hdc dc, const char* text, int length, Size& size) {
    desk_.logCall(pid_, "GetTextExtentPoint32A", dc, length);
    return desk_.gdi().textExtent(dc, text, length, size);
}

} // namespace vm::sim
