// A program folder on the simulated desktop with the controls the settings
// load into.
#pragma once

#include <cstdint>
#include <string>

#include "app/program_context.h"
#include "platform/sim/sim_desktop.h"
#include "settings/settings_store.h"
#include "ui/main_form_controls.h"

namespace vm::settings_test {

inline constexpr char kFolder[] = "C:\\Program Files\\Velmora\\";

struct SettingsScene {
    sim::SimDesktop desk;
    std::uint32_t pid = desk.addProcess(std::string(kFolder) + "Velmora.exe");
    ProgramContext context{desk.platformFor(pid), CommandLine{},
                           SystemVersion{{}, WindowsVersion::WinXP}};
    MainFormControls controls;
    SettingsStore store{context, controls};
    const std::string path = std::string(kFolder) + "vmr_XP_Taro.ini";

    sim::SimFiles& files() { return desk.files(); }
    // Loads the file's bytes into fresh controls.
    void LoadFrom(const std::string& bytes) {
        files().write(path, bytes);
        store.LoadSettings(true);
    }
};

} // namespace vm::settings_test
