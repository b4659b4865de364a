#include "taskbar_look/trans.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;

class TransTest : public ::testing::Test {
protected:
    TransTest() {
        desk.addMonitor({0, 0, 1024, 768}, {0, 0, 1024, 768});
        self = desk.addProcess("C:\\Velmora\\Velmora.exe");
        bar = desk.addWindow(WindowSpec{.className = "Bar", .title = "bar"});
    }

    std::vector<std::string> Calls() { return desk.callNames(self); }

    SimDesktop desk;
    std::uint32_t self = 0;
    Hwnd bar = 0;
};

TEST_F(TransTest, ThePercentageBecomesItsAlphaAndOpaqueIsNoLongerLayered) {
    struct Case {
        std::int16_t percent;
        int alpha;
    };
    for (const Case c : {Case{-5, 8}, Case{0, 8}, Case{3, 8}, Case{4, 10}, Case{5, 12},
                         Case{10, 25}, Case{20, 49}, Case{50, 124}, Case{60, 148}, Case{80, 198},
                         Case{99, 245}, Case{101, 249}, Case{300, 255}}) {
        SCOPED_TRACE(c.percent);
        Trans trans(desk.platformFor(self));
        trans.SetWindowTranslucency(bar, c.percent);
        EXPECT_TRUE(desk.windows().window(bar).layered());
        EXPECT_EQ(desk.windows().window(bar).alpha, c.alpha);
        EXPECT_EQ(desk.windows().window(bar).layeredFlags, lwa::ALPHA);
        trans.SetWindowTranslucency(bar, 100);
        EXPECT_FALSE(desk.windows().window(bar).layered());
    }
}

TEST_F(TransTest, TheLibraryIsLoadedAndFreedAroundEveryUse) {
    Trans trans(desk.platformFor(self));
    for (const std::int16_t percent : {60, 100}) {
        desk.clearCalls();
        trans.SetWindowTranslucency(bar, percent);
        std::vector<std::string> expected{"LoadLibraryA",
                                          "GetProcAddress",
                                          "GetWindowLongA",
                                          "SetWindowLongA",
                                          "SetLayeredWindowAttributes",
                                          "FreeLibrary"};
        if (percent == 100) {
            expected.push_back("GetWindowLongA");
            expected.push_back("SetWindowLongA");
        }
        EXPECT_EQ(Calls(), expected);
        EXPECT_EQ(desk.libraries().references(self), 0);
    }
    EXPECT_EQ(desk.calls().front().args, "user32.dll");
}

TEST_F(TransTest, WithoutTheExportNothingChangesButOpaqueStillDropsTheStyle) {
    desk.libraries().removeExport("user32.dll", "SetLayeredWindowAttributes");
    Trans trans(desk.platformFor(self));
    trans.SetWindowTranslucency(bar, 50);
    EXPECT_FALSE(desk.windows().window(bar).layered());
    EXPECT_EQ(desk.libraries().references(self), 0);

    desk.windows().window(bar).exStyle |= ws_ex::LAYERED;
    trans.SetWindowTranslucency(bar, 100);
    EXPECT_FALSE(desk.windows().window(bar).layered());
    const auto calls = Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetLayeredWindowAttributes"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "FreeLibrary"), 2);
}

TEST_F(TransTest, AWindowThatVanishedChangesNothing) {
    desk.destroyWindow(bar);
    Trans trans(desk.platformFor(self));
    trans.SetWindowTranslucency(bar, 50);
    trans.SetWindowTranslucency(bar, 100);
    EXPECT_EQ(desk.libraries().references(self), 0);
}

} // namespace
} // namespace vm
