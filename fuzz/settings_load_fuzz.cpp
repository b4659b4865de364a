// The settings file may have been edited by hand, or be anything at all: it
// must load into the controls, every value inside its range and the ignore
// list within its bound.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/app_settings.h"
#include "settings/ini_file.h"
#include "settings/settings_values.h"
#include "translations/ui_texts.h"
#include "ui/main_form_controls.h"
#include "ui/settings_controls.h"

namespace {

constexpr char kProgramFolder[] = "C:\\Velmora\\";

namespace as = vm::app_settings;

bool InRange(int value, int min, int max) {
    return value >= min && value <= max;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vm::IniFile file =
        vm::IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    vm::MainFormControls controls;
    vm::ShowSettings(
        vm::ReadWatchSettings(file, kProgramFolder,
                              vm::Text(vm::Language::Japanese, vm::TextId::DefaultMoveTitle).ansi),
        controls, true);
    const bool sound =
        InRange(controls.UDWait.Position(), vm::kWaitRange.min, vm::kWaitRange.max) &&
        InRange(controls.UDTrans.Position(), vm::kTransRange.min, vm::kTransRange.max) &&
        InRange(controls.Slider.Position(), controls.Slider.Min(), controls.Slider.Max()) &&
        controls.ListBoxDisable.Count() <= static_cast<std::size_t>(as::kMaxIgnoreListEntries);
    if (!sound)
        __builtin_trap();
    return 0;
}
