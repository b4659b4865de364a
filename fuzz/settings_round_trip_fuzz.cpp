// What is saved from the controls must load and save again to the very
// same bytes, whatever the file held before.
//
// Loading itself, with the full bound on the ignore list, is the load
// target's job. Here a hostile "Count" is first brought down to a short
// list, so each input costs microseconds instead of writing tens of
// thousands of keys twice, and the fuzzer spends its time on the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/app_settings.h"
#include "settings/ini_file.h"
#include "settings/settings_values.h"
#include "translations/ui_texts.h"
#include "ui/main_form_controls.h"
#include "ui/settings_controls.h"

namespace {

constexpr char kProgramFolder[] = "C:\\Velmora\\";
constexpr std::int32_t kMaxListEntries = 64;
constexpr std::ptrdiff_t kMaxLineBreaks = 96;

namespace as = vm::app_settings;

std::string LoadAndSave(vm::IniFile file) {
    vm::MainFormControls controls;
    vm::ShowSettings(
        vm::ReadWatchSettings(file, kProgramFolder,
                              vm::Text(vm::Language::Japanese, vm::TextId::DefaultMoveTitle).ansi),
        controls, true);
    vm::WriteWatchSettings(vm::SettingsIn(controls), file);
    return file.Serialize();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Past a few dozen lines an input only repeats what shorter ones try,
    // at many times the cost; such inputs stay out of the corpus.
    if (std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r') >
        kMaxLineBreaks)
        return -1;
    vm::IniFile file = vm::IniFile::Parse(text);
    const std::int32_t count = file.ReadInteger(as::kDisable, as::kCount, as::kCountDefault);
    if (count >= kMaxListEntries)
        file.WriteInteger(as::kDisable, as::kCount, kMaxListEntries - 1);
    const std::string saved = LoadAndSave(std::move(file));
    if (LoadAndSave(vm::IniFile::Parse(saved)) != saved)
        __builtin_trap();
    return 0;
}
