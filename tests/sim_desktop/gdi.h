// The graphics objects of the simulated desktop: fonts, device contexts with
// their colours and selected font, the measuring of text, and how often each
// window was asked to redraw.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include "platform/types.h"

namespace vm::sim {

class SimGdi {
public:
    // The stock font a new device context starts with.
    static constexpr HGdiObj kSystemFont{0x1000};

    HFont createFont(const LogFontA& font);
    bool deleteObject(HGdiObj object);
    // Fonts created and not yet deleted.
    std::size_t liveFonts() const { return fonts_.size(); }
    const LogFontA* font(HFont handle) const;

    // A device context with the system font selected.
    Hdc getDC();
    bool releaseDC(Hdc dc);
    // The object selected before; 0 for an unknown context or font.
    HGdiObj selectObject(Hdc dc, HGdiObj object);
    // The colours a program set on a device context; each setter answers
    // the colour before.
    ColorRef textColorOf(Hdc dc) const { return dcText_.count(dc) ? dcText_.at(dc) : 0; }
    ColorRef bkColorOf(Hdc dc) const { return dcBk_.count(dc) ? dcBk_.at(dc) : 0xFFFFFF; }
    ColorRef setTextColor(Hdc dc, ColorRef color);
    ColorRef setBkColor(Hdc dc, ColorRef color);
    // Every half-width character is half the font's height wide, a
    // double-byte one as wide as the font is high; the system font is 16
    // pixels high.
    bool textExtent(Hdc dc, const char* text, int length, Size& size) const;

    void countRedraw(Hwnd window) { ++redraws_[window]; }
    int redrawCount(Hwnd window) const { return redraws_.count(window) ? redraws_.at(window) : 0; }

private:
    std::map<HGdiObj, LogFontA> fonts_;
    std::uintptr_t nextGdiObject_ = 0x2000;
    std::map<Hdc, ColorRef> dcText_;
    std::map<Hdc, ColorRef> dcBk_;
    // The font selected into each device context handed out by GetDC.
    std::map<Hdc, HGdiObj> dcFont_;
    std::map<Hwnd, int> redraws_;
};

} // namespace vm::sim
