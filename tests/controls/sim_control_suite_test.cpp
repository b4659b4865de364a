// The shared control suite on the simulated desktop.
#include "control_suite.h"

#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

class SimControls : public ::testing::Test, public control_suite::Host {
protected:
    SimControls() {
        desk.addMonitor({0, 0, 1024, 768}, {0, 0, 1024, 768});
        pid = desk.addProcess("C:\\Velmora\\Velmora.exe");
        platform = std::make_unique<Platform>(desk.platformFor(pid));
        win_ = &platform->win;
        win_->InitCommonControlsEx(icc::BAR_CLASSES | icc::UPDOWN_CLASS_);
        parent = win_->CreateProgramWindow(
            {.className = "SuiteParent",
             .style = ws::POPUP | ws::VISIBLE,
             .exStyle = ws_ex::CONTROLPARENT,
             .width = 400,
             .height = 300,
             .proc = [this](Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
                 if (msg == wm::NEXTDLGCTL) {
                     NextDialogControl(*win_, parent, wParam, lParam);
                     return MsgResult{0};
                 }
                 router.Route(msg, wParam, lParam);
                 return MsgResult{};
             }});
    }

    IWindowSystem& Win() override { return *win_; }
    Hwnd Parent() override { return parent; }
    ControlRouter& Router() override { return router; }
    void UserClick(Hwnd control) override { desk.controls().click(control); }
    void UserSelect(Hwnd listBox, int index) override {
        desk.controls().selectListItem(listBox, index);
    }
    void UserStepUp(Hwnd upDown) override { desk.controls().stepUpDown(upDown, true); }
    void UserEnd(Hwnd trackBar) override {
        desk.controls().dragTrackBar(
            trackBar, static_cast<int>(win_->SendMessageA(trackBar, tbm::GETRANGEMAX, 0, 0)));
    }

    void UserAccessKey(char letter) override { desk.controls().pressAccessKey(letter); }

    sim::SimDesktop desk;
    std::uint32_t pid = 0;
    std::unique_ptr<Platform> platform;
    IWindowSystem* win_ = nullptr;
    ControlRouter router;
    Hwnd parent = 0;
};

VELMORA_CONTROL_SUITE(SimControls)

} // namespace
} // namespace vm
