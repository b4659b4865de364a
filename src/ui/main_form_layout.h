// The settings window's controls as child windows: each at its pixel place
// in the window's client area, with its font, in tab order. The layout owns
// the fonts and deletes them with itself.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/unique.h"
#include "platform/window_system.h"
#include "ui/control_router.h"
#include "ui/main_form_controls.h"

namespace vm {

// The window's client size at 96 DPI; at other DPIs it scales as the
// controls do (ScaleToDpi).
inline constexpr int kMainFormWidth = 632;
inline constexpr int kMainFormHeight = 469;

class MainFormLayout {
public:
    MainFormLayout(IWindowSystem& win, Language language) : win_(win), language_(language) {}

    // Creates every control inside form, at its place and font for dpi,
    // and routes its notifications; false when the system refused one.
    bool Create(Hwnd form, MainFormControls& controls, ControlRouter& router, std::uint32_t dpi);
    // Lays the controls out again for another DPI, with fonts of that size.
    void Rescale(std::uint32_t dpi);

private:
    // One control of the design: its place at 96 DPI in the window's client
    // area, and its font.
    struct Item {
        Control* control;
        ControlPlacement place;
        int fontHeight;
        bool bold;
        const char* face;
        int id;
    };
    using Fonts = std::map<std::tuple<std::string, int, bool>, Unique<HFont>>;
    HFont Font(Fonts& fonts, const Item& item, std::uint32_t dpi);
    // The face, character set and height at 96 DPI of a control's font: the
    // design's for Japanese; the system's message font for English, which
    // looks native on every version (its own height for the controls' usual
    // size, the design's for the larger labels).
    LogFontA FontFor(const char* face, int height, bool bold) const;
    void SetThumbLength(std::uint32_t dpi);
    // A label of no size with a control's accessible name, made just before
    // the control.
    Hwnd NameLabel(Hwnd form, TextId name);

    IWindowSystem& win_;
    const Language language_;
    LogFontA messageFont_;
    // The message font's height at 96 DPI.
    int messageHeight_ = 0;
    std::vector<Item> items_;
    Control* slider_ = nullptr;
    Fonts fonts_;
};

} // namespace vm
