#include "appearance/translucency.h"

#include "platform/constants.h"

namespace vm {

namespace {
constexpr std::int16_t kOpaque = 100;
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
    const Hwnd taskbar = taskbar_.Handle;
    if (taskbar != 0) {
        const bool layered = IsLayered(taskbar);
        if (percent == kOpaque) {
            if (layered)
                trans_.SetWindowTranslucency(taskbar, kOpaque);
        } else if (force) {
            trans_.SetWindowTranslucency(taskbar, percent);
        }
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
