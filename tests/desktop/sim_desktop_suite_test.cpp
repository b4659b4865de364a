// The desktop contract on the simulated desktop: the other program is a
// process of its own, busy for a stretch of virtual time.
#include "close_contract.h"
#include "desktop_suite.h"
#include "moves_contract.h"
#include "sent_messages_contract.h"
#include "shell_contract.h"
#include "system_text_contract.h"
#include "threads_contract.h"

#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

class SimDesktopContract : public ::testing::Test, public desktop_suite::Host {
protected:
    SimDesktopContract() {
        desk.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768});
        // The program's folder, where a case may leave a file for a moment.
        desk.files().addFolder("C:\\Velmora");
    }

    IWindowSystem& Win() override { return platform_.win; }
    IOperatingSystem& Os() override { return platform_.os; }
    IShell& Shell() override { return platform_.shell; }
    void OtherRun(const std::function<void(IWindowSystem&)>& action) override {
        action(otherPlatform_.win);
    }
    void OtherBusy(std::uint32_t busyMs, std::function<void(IWindowSystem&)> action) override {
        // What the program does comes before the end of its busy time.
        desk.scheduler().at(desk.scheduler().now() + busyMs,
                            [this, action = std::move(action)] { action(otherPlatform_.win); });
        desk.setBusy(other_, busyMs);
    }
    void Pump(std::uint32_t ms) override { desk.scheduler().advance(ms); }

    sim::SimDesktop desk;
    std::uint32_t self_ = desk.addProcess("C:\\Velmora\\Velmora.exe");
    std::uint32_t other_ = desk.addProcess("C:\\Apps\\other.exe");
    Platform platform_ = desk.platformFor(self_);
    Platform otherPlatform_ = desk.platformFor(other_);
};

VELMORA_DESKTOP_MOVES_CONTRACT(SimDesktopContract)
VELMORA_DESKTOP_SHELL_CONTRACT(SimDesktopContract)
VELMORA_DESKTOP_THREADS_CONTRACT(SimDesktopContract)
VELMORA_DESKTOP_CLOSE_CONTRACT(SimDesktopContract)
VELMORA_DESKTOP_SENT_MESSAGES_CONTRACT(SimDesktopContract)
VELMORA_DESKTOP_SYSTEM_TEXT_CONTRACT(SimDesktopContract)

} // namespace
} // namespace vm
