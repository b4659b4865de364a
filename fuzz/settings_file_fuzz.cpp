// The settings file may have been edited by hand, or be anything at all:
// it must load into the controls, and what is saved from them must load
// and save again to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/settings_controls.h"
#include "ui/main_form_controls.h"

namespace {

constexpr char kProgramFolder[] = "C:\\Velmora\\";

std::string LoadAndSave(std::string_view bytes) {
    vm::IniFile file = vm::IniFile::Parse(bytes);
    vm::MainFormControls controls;
    vm::ReadSettingsIntoControls(file, controls, true, kProgramFolder);
    vm::WriteSettingsFromControls(controls, file);
    return file.Serialize();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string saved =
        LoadAndSave(std::string_view(reinterpret_cast<const char*>(data), size));
    if (LoadAndSave(saved) != saved)
        __builtin_trap();
    return 0;
}
