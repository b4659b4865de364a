// Fonts, colours and device contexts of the simulated desktop, and the
// measuring of text.
#include "sim_desktop/gdi.h"

#include <cstdlib>
#include <utility>

namespace vm::sim {

HFont SimGdi::createFont(const LogFontA& font) {
    const HFont handle{nextGdiObject_};
    nextGdiObject_ += 4;
    fonts_.emplace(handle, font);
    return handle;
}

bool SimGdi::deleteObject(HGdiObj object) {
    return fonts_.erase(object) != 0;
}

const LogFontA* SimGdi::font(HFont handle) const {
    const auto it = fonts_.find(handle);
    return it == fonts_.end() ? nullptr : &it->second;
}

Hdc SimGdi::getDC() {
    const Hdc dc{nextGdiObject_};
    nextGdiObject_ += 4;
    dcFont_[dc] = kSystemFont;
    return dc;
}

bool SimGdi::releaseDC(Hdc dc) {
    return dcFont_.erase(dc) != 0;
}

HGdiObj SimGdi::selectObject(Hdc dc, HGdiObj object) {
    const auto selected = dcFont_.find(dc);
    if (selected == dcFont_.end() || (object != kSystemFont && fonts_.count(object) == 0))
        return 0;
    return std::exchange(selected->second, object);
}

ColorRef SimGdi::setTextColor(Hdc dc, ColorRef color) {
    const ColorRef old = textColorOf(dc);
    dcText_[dc] = color;
    return old;
}

ColorRef SimGdi::setBkColor(Hdc dc, ColorRef color) {
    const ColorRef old = bkColorOf(dc);
    dcBk_[dc] = color;
    return old;
}

bool SimGdi::textExtent(Hdc dc, const char* text, int length, Size& size) const {
    const auto selected = dcFont_.find(dc);
    if (selected == dcFont_.end() || text == nullptr || length < 0)
        return false;
    const auto font = fonts_.find(selected->second);
    const int height = font == fonts_.end() ? 16 : std::abs(font->second.lfHeight);
    size = Size{length * height / 2, height};
    return true;
}

} // namespace vm::sim
