// The desktop the program's tests start it on, and the starts themselves.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/program.h"
#include "sim_desktop/sim_desktop.h"

namespace vm {

inline constexpr char kExe[] = "C:\\Velmora\\Velmora.exe";
// The settings file of the user "Taro" on Windows XP, beside the executable.
inline constexpr char kSettings[] = "C:\\Velmora\\vmr_XP_Taro.ini";
// The trace of a save into a folder that denies writing: the call that
// failed, its code and the system's text, and where the save gave up.
inline constexpr char kDeniedSaveTrace[] =
    "Velmora: cannot write C:\\\\Velmora\\\\vmr_XP_Taro\\.ini\\.tmp \\(WriteWholeFile failed: "
    "GetLastError 5 \\(Access is denied\\.\\), thrown at "
    "src/settings/settings_file_io\\.cpp:[0-9]+\\)\n";

// One 1024 x 768 monitor under a 30-pixel top taskbar, with "Program
// Manager" at the bottom of the z-order.
inline HMonitor AddTopTaskbarDesktop(sim::SimDesktop& desk) {
    const HMonitor monitor = desk.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768});
    desk.addProgramManager();
    desk.addTaskbar();
    return monitor;
}

// Program instances on one desktop, each in a process of its own. An error
// that reaches the error hook leaves its text in the debug output; a test
// that provokes one takes it, and any other fails the test.
class AppTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(desk.system().takeDebugOutput(), std::vector<std::string>{})
            << "errors were recorded";
    }

    // Starts an instance; started keeps its Start result. A start may begin
    // while another is still starting.
    Program& Launch(std::vector<std::string> args = {}) {
        pid = desk.addProcess(kExe);
        pids.push_back(pid);
        const std::size_t index = programs.size();
        programs.push_back(
            std::make_unique<Program>(desk.platformFor(pid), CommandLine(std::move(args))));
        started.resize(programs.size());
        Program& launched = *programs[index];
        program = &launched;
        started[index] = launched.Start();
        return launched;
    }

    sim::SimDesktop desk;
    std::vector<std::uint32_t> pids;
    std::vector<std::unique_ptr<Program>> programs;
    std::vector<bool> started;
    // The latest start's.
    std::uint32_t pid = 0;
    Program* program = nullptr;
};

} // namespace vm
