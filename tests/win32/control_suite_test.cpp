// The shared control suite on the real controls of the system.
#include "../controls/control_suite.h"

#include "platform/win32/win32_platform.h"

namespace vm {
namespace {

constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr std::uint32_t kLButtonUp = 0x0202;
constexpr std::uint32_t kGetItemRect = 0x0198; // LB_GETITEMRECT

class Win32Controls : public ::testing::Test, public control_suite::Host {
protected:
    Win32Controls() {
        win_.InitCommonControlsEx(icc::BAR_CLASSES | icc::UPDOWN_CLASS_ | icc::STANDARD_CLASSES);
        parent = win_.CreateProgramWindow(
            {.className = "VelmoraSuiteParent",
             .style = ws::POPUP | ws::VISIBLE,
             .exStyle = ws_ex::CONTROLPARENT,
             .width = 400,
             .height = 300,
             .proc = [this](Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
                 if (msg == wm::NEXTDLGCTL) {
                     NextDialogControl(win_, parent, wParam, lParam);
                     return MsgResult{0};
                 }
                 router.Route(msg, wParam, lParam);
                 return MsgResult{};
             }});
    }
    ~Win32Controls() override {
        win_.DestroyWindow(parent);
        win_.ProcessMessages();
    }

    IWindowSystem& Win() override { return win_; }
    Hwnd Parent() override { return parent; }
    ControlRouter& Router() override { return router; }
    void UserClick(Hwnd control) override { win_.SendMessageA(control, bm::CLICK, 0, 0); }
    void UserSelect(Hwnd listBox, int index) override {
        Rect item;
        win_.SendMessageA(listBox, kGetItemRect, static_cast<std::uintptr_t>(index),
                          reinterpret_cast<std::intptr_t>(&item));
        const std::intptr_t at = ((item.top + 2) << 16) | (item.left + 2);
        win_.SendMessageA(listBox, kLButtonDown, 1, at);
        win_.SendMessageA(listBox, kLButtonUp, 0, at);
        win_.ProcessMessages();
    }
    void UserStepUp(Hwnd upDown) override {
        win_.SendMessageA(upDown, wm::KEYDOWN, vk::UP, 0);
        win_.ProcessMessages();
    }
    void UserEnd(Hwnd trackBar) override {
        constexpr std::uintptr_t kEnd = 0x23;
        win_.SendMessageA(trackBar, wm::KEYDOWN, kEnd, 0);
        win_.ProcessMessages();
    }

    void UserAccessKey(char letter) override {
        constexpr std::intptr_t kAltDown = 1 << 29;
        const Hwnd focus = win_.GetFocus();
        win_.PostMessageA(focus ? focus : parent, wm::SYSCHAR, static_cast<unsigned char>(letter),
                          kAltDown);
        win_.ProcessMessages();
    }

    Win32Platform backend;
    IWindowSystem& win_ = backend.platform().win;
    ControlRouter router;
    Hwnd parent = 0;
};

VELMORA_CONTROL_SUITE(Win32Controls)

} // namespace
} // namespace vm
