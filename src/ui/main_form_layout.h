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
    explicit MainFormLayout(IWindowSystem& win) : win_(win) {}
    ~MainFormLayout();
    MainFormLayout(const MainFormLayout&) = delete;
    MainFormLayout& operator=(const MainFormLayout&) = delete;

    // Creates every control inside form and routes its notifications;
    // false when the system refused one.
    bool Create(Hwnd form, MainFormControls& controls, ControlRouter& router);

private:
    HFont Font(const char* face, int height, bool bold);

    IWindowSystem& win_;
    std::map<std::tuple<std::string, int, bool>, HFont> fonts_;
};

} // namespace vm
