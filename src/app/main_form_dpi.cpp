// The settings window at the scale of its monitor: the design table, fonts
// and glyphs scaled by the DPI / 96.
#include "app/main_form.h"
#include "ui/dpi_scale.h"

namespace vm {

void TMainForm::SizeForDpi() {
    context_.platform.win.SetWindowPos(
        Window(), hwnd_pos::TOP, 0, 0, ScaleToDpi(kMainFormWidth, dpi_),
        ScaleToDpi(kMainFormHeight, dpi_), swp::NOMOVE | swp::NOZORDER | swp::NOACTIVATE);
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
    host_.OnDpiChanged(dpi_);
    // A shown window keeps its place: centred, its top at the watch position.
    if (settingsWindow_.Visible())
        PlaceSettingsWindow();
}

} // namespace vm
