// Translucency and hiding of the taskbar as a running program keeps them, on
// a desktop with a 30-pixel top taskbar.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../app/app_test.h"
#include "app/program.h"
#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;

constexpr std::uint32_t kTick = 250;

class TaskbarAppearanceTest : public AppTest {
protected:
    TaskbarAppearanceTest() {
        AddTopTaskbarDesktop(desk);
        taskbar = desk.shellObjects().taskbar();
        desk.system().cursor = {500, 400};
    }

    // Starts an instance with these settings lines under [Config].
    ProgramController& Launch(const std::string& config, std::vector<std::string> args = {}) {
        desk.files().write(kSettings, "[Config]\r\n" + config);
        return *AppTest::Launch(std::move(args)).Controller();
    }
    // Lets a closed instance's process end, so that another can start.
    void End() {
        program->Run();
        programs.back().reset();
        desk.endProcess(pid);
    }
    MainFormControls& Controls() { return program->Controller()->Controls(); }
    void Ticks(int count) { desk.scheduler().advance(count * kTick); }

    const sim::SimWindow& Bar() { return desk.windows().window(taskbar); }

    // A start menu: a hidden top-level window recognised by its child.
    Hwnd StartMenu(const char* className, const char* childClassName, bool keepsLayered = false) {
        const Hwnd menu = desk.addWindow(WindowSpec{.className = className,
                                                    .rect = {0, 400, 300, 700},
                                                    .visible = false,
                                                    .keepsLayered = keepsLayered});
        if (childClassName != nullptr) {
            desk.addWindow(WindowSpec{.className = childClassName,
                                      .rect = {0, 0, 300, 300},
                                      .style = ws::CHILD | ws::VISIBLE,
                                      .parent = menu});
        }
        return menu;
    }
    Hwnd XpStartMenu() { return StartMenu("DV2ControlHost", "Desktop User Pane"); }
    Hwnd ClassicStartMenu() { return StartMenu("BaseBar", "MenuSite"); }
    void MakeLayered(Hwnd window, std::uint8_t alpha) {
        desk.windows().window(window).exStyle |= ws_ex::LAYERED;
        desk.windows().window(window).alpha = alpha;
        desk.windows().window(window).layeredFlags = lwa::ALPHA;
    }
    int AlphaCalls(Hwnd window) {
        int count = 0;
        for (const sim::CallRecord& call : desk.calls()) {
            if (call.name == "SetLayeredWindowAttributes" &&
                call.args.starts_with(std::to_string(window.Value()) + ","))
                ++count;
        }
        return count;
    }

    Hwnd taskbar = 0;
};

TEST_F(TaskbarAppearanceTest, TheStartMakesTheTaskbarTranslucentAndTheTicksKeepIt) {
    Launch("TransEnabled=1\r\nTrans=60\r\n");
    EXPECT_TRUE(Bar().layered());
    EXPECT_EQ(Bar().alpha, 148);
    Ticks(4);
    EXPECT_EQ(Bar().alpha, 148);
    EXPECT_EQ(desk.libraries().references(pid), 0);
    EXPECT_TRUE(Controls().UDTrans.Enabled());
    EXPECT_TRUE(Controls().CHKStartMenu.Enabled());
}

TEST_F(TaskbarAppearanceTest, WatchingOffMakesTheTaskbarOpaqueAndOnGivesTheAlphaBack) {
    Launch("TransEnabled=1\r\nTrans=60\r\n");
    Controls().PPEnabled.Click();
    EXPECT_FALSE(Bar().layered());
    Ticks(2);
    EXPECT_FALSE(Bar().layered());
    Controls().PPEnabled.Click();
    EXPECT_EQ(Bar().alpha, 148);
}

TEST_F(TaskbarAppearanceTest, TheControlsApplyTheirChangeAtOnce) {
    Launch("TransEnabled=1\r\nTrans=60\r\n");
    Controls().UDTrans.StepUp();
    EXPECT_EQ(Bar().alpha, AlphaOfPercent(61));
    Controls().CHKTrans.Click();
    EXPECT_FALSE(Bar().layered());
    EXPECT_FALSE(Controls().LabelTans.Enabled());
    EXPECT_FALSE(Controls().UDTrans.Enabled());
    EXPECT_FALSE(Controls().CHKStartMenu.Enabled());
    Controls().CHKTrans.Click();
    EXPECT_EQ(Bar().alpha, AlphaOfPercent(61));
    Controls().UDTrans.SetPosition(100);
    Controls().UDTrans.StepUp(); // wraps to 0
    EXPECT_EQ(Bar().alpha, 8);
    Controls().UDTrans.StepDown(); // back to 100
    EXPECT_FALSE(Bar().layered());
}

TEST_F(TaskbarAppearanceTest, OpaqueAtOneHundredPercentAndWhenTheTaskbarLeavesTheTop) {
    desk.windows().window(taskbar).exStyle |= ws_ex::LAYERED;
    Launch("TransEnabled=1\r\nTrans=100\r\n");
    Ticks(1);
    EXPECT_FALSE(Bar().layered());

    Controls().UDTrans.SetPosition(40);
    Controls().UDTrans.StepUp();
    ASSERT_TRUE(Bar().layered());
    desk.setTaskbar({.edge = abe::BOTTOM, .rect = {0, 738, 1024, 768}});
    Ticks(2);
    EXPECT_FALSE(Bar().layered());
}

TEST_F(TaskbarAppearanceTest, StartMenusShareTheTaskbarsAlphaWhileTheirBoxIsChecked) {
    const Hwnd menus[] = {XpStartMenu(), ClassicStartMenu()};
    Launch("TransEnabled=1\r\nTrans=60\r\nTransStartMenu=1\r\n");
    for (const Hwnd menu : menus)
        EXPECT_EQ(desk.windows().window(menu).alpha, 148);

    Controls().PPEnabled.Click();
    for (const Hwnd menu : menus)
        EXPECT_FALSE(desk.windows().window(menu).layered());
    Controls().PPEnabled.Click();
    for (const Hwnd menu : menus)
        EXPECT_EQ(desk.windows().window(menu).alpha, 148);

    Controls().UDTrans.StepUp();
    for (const Hwnd menu : menus)
        EXPECT_EQ(desk.windows().window(menu).alpha, AlphaOfPercent(61));

    Controls().CHKStartMenu.Click();
    EXPECT_EQ(Bar().alpha, AlphaOfPercent(61));
    for (const Hwnd menu : menus)
        EXPECT_FALSE(desk.windows().window(menu).layered());
}

TEST_F(TaskbarAppearanceTest, ANewStartMenuGetsTheAlphaAtTheNextTickALayeredOneIsLeftAlone) {
    Launch("TransEnabled=1\r\nTrans=60\r\nTransStartMenu=1\r\n");
    const Hwnd fresh = XpStartMenu();
    const Hwnd layered = ClassicStartMenu();
    MakeLayered(layered, 200);
    Ticks(1);
    EXPECT_EQ(desk.windows().window(fresh).alpha, 148);
    EXPECT_EQ(desk.windows().window(layered).alpha, 200);
    Ticks(3);
    EXPECT_EQ(desk.windows().window(layered).alpha, 200);

    // Windows of those classes without the start menu's child are not start
    // menus; the first of a class is the one looked at.
    const Hwnd stranger = StartMenu("DV2ControlHost", nullptr);
    Ticks(2);
    EXPECT_FALSE(desk.windows().window(stranger).layered());
}

TEST_F(TaskbarAppearanceTest, StartMenusTurnOpaqueAtTheNextTickWithoutTheirBoxOrAtFullPercent) {
    struct Case {
        const char* config;
        bool taskbarLayered;
    };
    for (const Case& c : {Case{"TransEnabled=1\r\nTrans=60\r\nTransStartMenu=0\r\n", true},
                          Case{"TransEnabled=1\r\nTrans=100\r\nTransStartMenu=1\r\n", false}}) {
        SCOPED_TRACE(c.config);
        const Hwnd menus[] = {XpStartMenu(), ClassicStartMenu()};
        Launch(c.config);
        for (const Hwnd menu : menus)
            MakeLayered(menu, 90);
        Ticks(1);
        EXPECT_EQ(Bar().layered(), c.taskbarLayered);
        for (const Hwnd menu : menus) {
            EXPECT_FALSE(desk.windows().window(menu).layered());
            desk.destroyWindow(menu);
        }
        Controls().PPExit.Click();
        End();
    }
}

TEST_F(TaskbarAppearanceTest, AStartMenuKeepingItsLayeredStyleIsAskedAtMost10000TimesPerCall) {
    Launch("TransEnabled=1\r\nTrans=60\r\n");
    const Hwnd willing = XpStartMenu();
    const Hwnd stubborn = StartMenu("BaseBar", "MenuSite", true);
    MakeLayered(willing, 90);
    MakeLayered(stubborn, 90);
    desk.clearCalls();
    Ticks(1);
    EXPECT_FALSE(desk.windows().window(willing).layered());
    EXPECT_EQ(AlphaCalls(willing), 2);
    EXPECT_TRUE(desk.windows().window(stubborn).layered());
    EXPECT_EQ(AlphaCalls(stubborn), 10000);
    EXPECT_EQ(desk.libraries().references(pid), 0);
    EXPECT_TRUE(program->Controller()->WatchTimer().Enabled());
}

TEST_F(TaskbarAppearanceTest, TranslucencyIsNeverOnWithTheSilentSwitchOrBeforeWindows2000) {
    struct Case {
        std::vector<std::string> args;
        std::uint32_t major;
    };
    for (const Case& c : {Case{{"/w", "/S"}, 5}, Case{{}, 4}}) {
        SCOPED_TRACE(c.major);
        desk.system().version = {148, c.major, 0, 1381, ver_platform::WIN32_NT};
        Launch("TransEnabled=1\r\nTrans=60\r\nTransStartMenu=1\r\n", c.args);
        Controls().CHKTrans.Click();
        Controls().CHKTrans.Click();
        Controls().UDTrans.StepDown();
        Ticks(2);
        EXPECT_FALSE(Bar().layered());
        EXPECT_FALSE(Controls().LabelTans.Enabled());
        Controls().PPExit.Click();
        End();
    }
}

TEST_F(TaskbarAppearanceTest, HiddenTaskbarComesBackAfterThirtyTicksStrictlyInsideItsBand) {
    Launch("");
    Controls().PPHide.Click();
    EXPECT_FALSE(Bar().visible());
    // The band is 0,0 - 1024,30: its edges do not count, and ticks outside
    // do not reset the count.
    for (const Point edge : {Point{0, 10}, Point{1024, 10}, Point{500, 0}, Point{500, 30}}) {
        desk.system().cursor = edge;
        Ticks(10);
    }
    EXPECT_FALSE(Bar().visible());
    desk.system().cursor = {500, 15};
    Ticks(20);
    desk.system().cursor = {500, 400};
    Ticks(5);
    desk.system().cursor = {1, 29};
    Ticks(9);
    EXPECT_FALSE(Bar().visible());
    Ticks(1);
    EXPECT_TRUE(Bar().visible());

    Controls().PPHide.Click();
    desk.system().cursor = {500, 15};
    Ticks(29);
    Controls().PPHide.Click(); // hiding again restarts the count
    Ticks(29);
    EXPECT_FALSE(Bar().visible());
}

TEST_F(TaskbarAppearanceTest, EveryWayOfEndingLeavesTheTaskbarShownAndOpaque) {
    const auto fromOutside = [this](std::uint32_t msg, std::uintptr_t wParam) {
        Platform other = desk.platformFor(desk.addProcess("C:\\Apps\\other.exe"));
        other.win.SendMessageA(program->Controller()->Window(), msg, wParam, 0);
    };
    struct Case {
        const char* name;
        std::function<void()> close;
    };
    const Case cases[] = {
        {"exit item", [this] { Controls().PPExit.Click(); }},
        {"WM_CLOSE", [&] { fromOutside(wm::CLOSE, 0); }},
        {"end of session", [&] { fromOutside(wm::ENDSESSION, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Launch("TransEnabled=1\r\nTrans=30\r\n");
        Controls().PPHide.Click();
        Ticks(1);
        ASSERT_FALSE(Bar().visible());
        ASSERT_TRUE(Bar().layered());
        c.close();
        EXPECT_TRUE(program->Controller()->Closed());
        EXPECT_TRUE(Bar().visible());
        EXPECT_FALSE(Bar().layered());
        End();
    }
}

} // namespace
} // namespace vm
