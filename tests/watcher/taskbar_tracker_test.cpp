#include "watcher/taskbar_tracker.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "translations/ui_texts.h"
#include "watcher_scene.h"

namespace vm {
namespace {

using sim::TaskbarSpec;

TEST(TaskbarTrackerTest, WatchLineIsTheTaskbarsBottomPlusTheSliderOffset) {
    for (const auto& [position, watchLine] : {std::pair{0, 30}, {-5, 25}, {10, 40}}) {
        WatcherScene scene;
        scene.options.settings.offset = position;
        scene.tracker->CheckTaskbar();
        EXPECT_EQ(scene.Taskbar().WatchLine(), watchLine) << "slider " << position;
        EXPECT_EQ(scene.Taskbar().AppBarBottom(), 30);
    }
}

TEST(TaskbarTrackerTest, SliderRangeFollowsTheBandAndClampsThePosition) {
    WatcherScene scene({}, {.taskbar = {.rect = {0, 0, 1024, 60}}});
    scene.ShowSettings();
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.controls.Slider.Min(), -60);
    EXPECT_EQ(scene.controls.Slider.Max(), 60);
    EXPECT_EQ(scene.controls.LblBottom.Caption(), "60");

    scene.controls.Slider.SetPosition(30);
    EXPECT_EQ(scene.controls.LblPosition.Caption(), "30");
    EXPECT_EQ(scene.settingsWindow->Top(), 90);
    scene.desk.setTaskbar({.rect = {0, 0, 1024, 26}});
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.controls.Slider.Position(), 26);
    EXPECT_EQ(scene.controls.LblPosition.Caption(), "26");
    EXPECT_EQ(scene.settingsWindow->Top(), 52);
    EXPECT_EQ(scene.Taskbar().WatchLine(), 52);
}

TEST(TaskbarTrackerTest, AutoHiddenTaskbarWithAndWithoutReservedBand) {
    WatcherScene scene({}, {.taskbar = {.autoHide = true}});
    scene.controls.PPMax.SetChecked(true);
    scene.tracker->CheckTaskbar();
    EXPECT_TRUE(scene.controls.PPHideON.Enabled());
    EXPECT_FALSE(scene.controls.PPMax.Enabled());
    EXPECT_FALSE(scene.controls.PPRestore.Enabled());

    // Slid away, only two pixels of the bar are left on screen.
    scene.desk.moveWindow(scene.desk.shellObjects().taskbar(), {0, -28, 1024, 2});
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.Taskbar().WatchLine(), 2);
    scene.options.settings.reserveBand = true;
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.Taskbar().WatchLine(), 30);

    // Back to a taskbar that stays: the reserve option no longer applies.
    scene.desk.setTaskbar({});
    scene.tracker->CheckTaskbar();
    EXPECT_FALSE(scene.controls.PPHideON.Enabled());
    EXPECT_TRUE(scene.controls.PPMax.Enabled());
    EXPECT_TRUE(scene.controls.PPRestore.Enabled());
    EXPECT_EQ(scene.Taskbar().WatchLine(), 30);
}

std::vector<std::string> Captions(const PopupMenu& menu) {
    std::vector<std::string> captions;
    for (const MenuItem* item : menu.ShownItems())
        captions.push_back(item->Caption());
    return captions;
}

struct SuspendCase {
    std::vector<std::string> args;
    bool suspends;           // icon, hint and Suspended follow the edge
    std::size_t opaqueCalls; // ApplyTranslucency(100, true) while suspending
};

TEST(TaskbarTrackerTest, TaskbarToTheBottomAndBackSuspendsAndResumes) {
    const std::vector<SuspendCase> cases{
        {{}, true, 1}, {{"/Q"}, true, 2}, {{"/Q", "/S"}, false, 1}, {{"/x", "/S"}, false, 0}};
    for (const SuspendCase& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "no arguments" : c.args[0] + " " + c.args.back());
        WatcherScene scene(c.args);
        scene.options.settings.trayIcon = false;
        scene.options.translucencyOn = true;
        scene.options.settings.translucencyPercent = 60;
        scene.tracker->CheckTaskbar();
        const std::size_t fullMenu = scene.controls.PPRMenu.ShownItems().size();

        scene.ShowSettings();
        scene.desk.setTaskbar({.edge = abe::BOTTOM, .rect = {0, 738, 1024, 768}});
        scene.tracker->CheckTaskbar();
        EXPECT_EQ(
            Captions(scene.controls.PPRMenu),
            std::vector<std::string>{vm::Text(vm::Language::Japanese, vm::TextId::MenuExit).ansi});
        EXPECT_FALSE(scene.settingsWindow->Visible());
        EXPECT_EQ(std::count(scene.host.translucency.begin(), scene.host.translucency.end(),
                             std::pair<std::int16_t, bool>{100, true}),
                  static_cast<long>(c.opaqueCalls));
        EXPECT_EQ(scene.Taskbar().Suspended(), c.suspends);
        EXPECT_EQ(scene.tray.Image(), c.suspends ? IconState::Stopped : IconState::Normal);
        EXPECT_EQ(scene.tray.IconVisible(), c.suspends);
        EXPECT_TRUE(scene.controls.PPEnabled.Checked());

        scene.host.translucency.clear();
        scene.desk.setTaskbar({});
        scene.tracker->CheckTaskbar();
        EXPECT_EQ(scene.controls.PPRMenu.ShownItems().size(), fullMenu);
        EXPECT_FALSE(scene.Taskbar().Suspended());
        EXPECT_EQ(scene.tray.Image(), IconState::Normal);
        EXPECT_EQ(scene.tray.Hint(),
                  vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled).ansi);
        EXPECT_FALSE(scene.tray.IconVisible());
        if (c.suspends) {
            EXPECT_EQ(scene.host.translucency, (decltype(scene.host.translucency){{60, true}}));
        }
    }
}

TEST(TaskbarTrackerTest, ResumingKeepsADisabledWatchDisabled) {
    WatcherScene scene;
    scene.controls.PPEnabled.Click();
    scene.desk.setTaskbar({.edge = abe::LEFT, .rect = {0, 0, 60, 768}});
    scene.tracker->CheckTaskbar();
    EXPECT_FALSE(scene.controls.PPEnabled.Checked());
    EXPECT_EQ(scene.tray.Hint(), vm::Text(vm::Language::Japanese, vm::TextId::HintDisabled).ansi);
    scene.desk.setTaskbar({});
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.tray.Image(), IconState::Stopped);
    EXPECT_EQ(scene.tray.Hint(), vm::Text(vm::Language::Japanese, vm::TextId::HintDisabled).ansi);
    EXPECT_TRUE(scene.tray.IconVisible());
}

TEST(TaskbarTrackerTest, UnknownEdgeAndUnreadableTaskbarKeepThePreviousState) {
    WatcherScene scene;
    scene.tracker->CheckTaskbar();
    scene.desk.setTaskbar({.edge = 7, .rect = {0, 0, 1024, 50}});
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.Taskbar().WatchLine(), 30);
    EXPECT_TRUE(scene.controls.PPEnabled.Visible());
    EXPECT_FALSE(scene.Taskbar().Suspended());

    scene.desk.setTaskbar({.rect = {0, 0, 1024, 50}});
    scene.desk.showWindow(scene.desk.shellObjects().taskbar(), sw::MINIMIZE);
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.Taskbar().AppBarBottom(), 50);
    EXPECT_EQ(scene.Taskbar().WatchLine(), 30);
}

TEST(TaskbarTrackerTest, MissingTaskbarIsAwaitedAMinuteThenTheProgramCloses) {
    WatcherScene scene({}, {.withTaskbar = false});
    scene.tracker->CheckTaskbar();
    EXPECT_EQ(scene.host.closes, 1);
    EXPECT_EQ(scene.desk.scheduler().now(), 60000u);
    const std::vector<std::string> names = scene.desk.callNames(scene.self);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Sleep"), 600);
    EXPECT_EQ(std::count(names.begin(), names.end(), "FindWindowA"), 601);
    EXPECT_FALSE(scene.controls.PPEnabled.Visible());

    WatcherScene late({}, {.withTaskbar = false});
    late.desk.scheduler().at(2550, [&] { late.desk.addTaskbar(); });
    late.tracker->CheckTaskbar();
    EXPECT_EQ(late.host.closes, 0);
    EXPECT_EQ(late.desk.scheduler().now(), 2600u);
    EXPECT_EQ(late.Taskbar().Handle(), late.desk.shellObjects().taskbar());
    EXPECT_EQ(late.Taskbar().WatchLine(), 30);
}

TEST(TaskbarTrackerTest, EnableCommandSwitchesIconHintAndTranslucency) {
    WatcherScene scene;
    scene.controls.PPEnabled.Click();
    EXPECT_EQ(scene.tray.Image(), IconState::Stopped);
    EXPECT_EQ(scene.tray.Hint(), vm::Text(vm::Language::Japanese, vm::TextId::HintDisabled).ansi);
    EXPECT_TRUE(scene.host.translucency.empty());

    scene.options.translucencyOn = true;
    scene.options.settings.translucencyPercent = 70;
    scene.controls.PPEnabled.Click();
    EXPECT_EQ(scene.tray.Image(), IconState::Normal);
    EXPECT_EQ(scene.tray.Hint(), vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled).ansi);
    EXPECT_EQ(scene.host.translucency, (decltype(scene.host.translucency){{70, true}}));
}

} // namespace
} // namespace vm
