// A simulated desktop full of other programs' windows, with one Velmora
// instance started on it; the call log is off so the figures are the
// program's own cost.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "sim_desktop/sim_desktop.h"

namespace vm {

struct BenchDesktopLayout {
    int windows = 500;
    int processes = 200;    // 0: no process snapshot at all
    int candidateEvery = 0; // every n-th window lies above the watch line (0: none)
};

class BenchDesktop {
public:
    BenchDesktop(BenchDesktopLayout layout, std::vector<std::string> args) {
        desk.setCallLog(false);
        desk.addMonitor({0, 0, 1920, 1080}, {0, 30, 1920, 1080});
        desk.addTaskbar({.rect = {0, 0, 1920, 30}});
        std::vector<std::uint32_t> pids;
        for (int i = 0; i < std::max(layout.processes, 1); ++i)
            pids.push_back(desk.addProcess("C:\\Apps\\App" + std::to_string(i) + "\\app.exe"));
        desk.system().snapshotUnavailable = layout.processes == 0;
        for (int i = 0; i < layout.windows; ++i) {
            // Candidates refuse to move, so every pass finds the same ones.
            const bool candidate = layout.candidateEvery != 0 && i % layout.candidateEvery == 0;
            const int top = candidate ? 0 : 40 + i % 500;
            desk.addWindow({.className = "Class" + std::to_string(i % 17),
                            .title = "Window " + std::to_string(i),
                            .rect = {10, top, 410, top + 300},
                            .pid = pids[static_cast<std::size_t>(i) % pids.size()],
                            .refusesMoves = candidate});
        }
        const std::uint32_t self = desk.addProcess("C:\\Velmora\\Velmora.exe");
        program = std::make_unique<Program>(desk.platformFor(self), CommandLine(std::move(args)));
        program->Start();
    }

    ProgramController& Form() { return *program->Controller(); }

    sim::SimDesktop desk;
    std::unique_ptr<Program> program;
};

} // namespace vm
