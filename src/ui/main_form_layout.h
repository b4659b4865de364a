// The settings window's controls as child windows: each at its pixel place
// in the window's client area, with its font, in tab order. The layout owns
// the fonts and deletes them with itself.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/window_system.h"
#include "ui/control_router.h"
#include "ui/main_form_controls.h"

namespace vm {

// The window's client size.
inline constexpr int kMainFormWidth = 632;
inline constexpr int kMainFormHeight = 469;

class MainFormLayout {
public:
    MainFormLayout(IWindowSystem& win, Language language) : win_(win), language_(language) {}
    ~MainFormLayout();
    MainFormLayout(const MainFormLayout&) = delete;
    MainFormLayout& operator=(const MainFormLayout&) = delete;

    // Creates every control inside form and routes its notifications;
    // false when the system refused one.
    bool Create(Hwnd form, MainFormControls& controls, ControlRouter& router);

private:
    HFont Font(const char* face, int height, bool bold);
    // The face, character set and height of a control's font: the design's
    // for Japanese; the system's message font for English, which looks
    // native on every version (its own height for the controls' usual
    // size, the design's for the larger labels).
    LogFontA FontFor(const char* face, int height, bool bold) const;

    IWindowSystem& win_;
    const Language language_;
    LogFontA messageFont_;
    std::map<std::tuple<std::string, int, bool>, HFont> fonts_;
};

} // namespace vm
