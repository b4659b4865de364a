#include "taskbar_look/translucency.h"

#include "platform/constants.h"

namespace vm {

namespace {
constexpr std::int16_t kOpaque = 100;
// A start menu that keeps taking its layered style back is asked this often
// per call, and then left as it is.
constexpr int kMaxOpaqueRequests = 10000;
} // namespace

bool Translucency::Watching() const {
    return controls_.PPEnabled.Checked() && controls_.PPEnabled.Visible();
}

bool Translucency::IsLayered(Hwnd window) {
    const auto exStyle =
        static_cast<std::uint32_t>(context_.platform.win.GetWindowLongA(window, gwl::EXSTYLE));
    return (exStyle & ws_ex::LAYERED) != 0;
}

void Translucency::ApplyTranslucency(std::int16_t percent, bool force) {
    if (!force && !Watching())
        percent = kOpaque;
    const Hwnd taskbar = taskbar_.Handle();
    if (taskbar != 0) {
        const bool layered = IsLayered(taskbar);
        if (percent == kOpaque) {
            if (layered)
                trans_.SetWindowTranslucency(taskbar, kOpaque);
        } else if (force) {
            trans_.SetWindowTranslucency(taskbar, percent);
        }
    }
    if (!(controls_.CHKStartMenu.Checked() && controls_.CHKStartMenu.Enabled()))
        percent = kOpaque;
    ApplyToStartMenu("DV2ControlHost", "Desktop User Pane", percent, force);
    ApplyToStartMenu("BaseBar", "MenuSite", percent, force);
}

void Translucency::ApplyToStartMenu(const char* className, const char* childClassName,
                                    std::int16_t percent, bool force) {
    IWindowSystem& win = context_.platform.win;
    // Other programs use these classes too; the child tells the start menu.
    const Hwnd startMenu = win.FindWindowA(className, nullptr);
    if (startMenu == 0)
        return;
    const bool layered = IsLayered(startMenu);
    if (win.FindWindowExA(startMenu, 0, childClassName, nullptr) == 0)
        return;
    if (percent == kOpaque) {
        if (layered)
            MakeOpaque(startMenu);
    } else if (!layered || force) {
        trans_.SetWindowTranslucency(startMenu, percent);
    }
}

void Translucency::MakeOpaque(Hwnd startMenu) {
    for (int requests = 0; requests < kMaxOpaqueRequests; ++requests) {
        const bool layeredBefore = IsLayered(startMenu);
        trans_.SetWindowTranslucency(startMenu, kOpaque);
        if (!layeredBefore)
            return;
    }
}

void Translucency::CHKTransClick() {
    if (context_.commandLine.IsSilent())
        return;
    const bool checked = controls_.CHKTrans.Checked();
    controls_.CHKStartMenu.SetEnabled(checked);
    controls_.LabelTans.SetEnabled(checked);
    const bool on = TranslucencyOn();
    controls_.TXTTrans.SetEnabled(on);
    controls_.UDTrans.SetEnabled(on);
    controls_.LabelTarnsPer.SetEnabled(on);
    if (on && Watching() && Percent() < kOpaque)
        ApplyTranslucency(Percent(), true);
    if (!checked)
        ApplyTranslucency(kOpaque, true);
}

void Translucency::UDTransClick() {
    if (TranslucencyOn() && Watching())
        ApplyTranslucency(Percent(), true);
}

void Translucency::CHKStartMenuClick() {
    if (TranslucencyOn() && Watching() && Percent() < kOpaque)
        ApplyTranslucency(Percent(), true);
}

} // namespace vm
