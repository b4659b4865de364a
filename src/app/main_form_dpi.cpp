// The settings window at the scale of its monitor: the design table, fonts
// and glyphs scaled by the DPI / 96.
#include <vector>

#include "app/main_form.h"
#include "ui/dpi_scale.h"

namespace vm {

void TMainForm::SizeForDpi() {
    context_.platform.win.SetWindowPos(
        Window(), hwnd_pos::TOP, 0, 0, ScaleToDpi(kMainFormWidth, dpi_),
        ScaleToDpi(kMainFormHeight, dpi_), swp::NOMOVE | swp::NOZORDER | swp::NOACTIVATE);
}

void TMainForm::LoadDefaultGlyphs() {
    const std::vector<Unique<HIcon>> replaced =
        trayImages_.LoadDefaults(ScaleToDpi(kTrayImageSize, dpi_));
    // The reset buttons show the built-in images themselves; the images
    // outlive the window, which goes first in the destructor.
    for (std::size_t i = 0; i < kTrayImageCount; ++i)
        controls_.BtnDefult[i].SetGlyph(trayImages_.Default(static_cast<IconState>(i)));
}

void TMainForm::FormDpiChanged(std::uint32_t dpi, const Rect& suggested) {
    if (dpi == 0 || dpi == dpi_)
        return;
    dpi_ = dpi;
    context_.platform.win.SetWindowPos(
        Window(), hwnd_pos::TOP, suggested.left, suggested.top, ScaleToDpi(kMainFormWidth, dpi_),
        ScaleToDpi(kMainFormHeight, dpi_), swp::NOZORDER | swp::NOACTIVATE);
    layout_.Rescale(dpi_);
    UpdateListHorizontalExtent(controls_.ListBoxDisable);
    UpdateListHorizontalExtent(controls_.ListBoxLog);
    LoadDefaultGlyphs();
    RebuildTrayImages();
    // A shown window keeps its place: centred, its top at the watch position.
    if (settingsWindow_.Visible())
        PlaceSettingsWindow();
}

} // namespace vm
