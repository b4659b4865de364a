// The main job on a real window system: Velmora.exe under a top-docked bar
// moves other programs' windows down to the watch line, and leaves alone
// what it must not touch.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class Relocation : public VelmoraScene {};

TEST_F(Relocation, WindowAtTheTopMovesBelowTheBarKeepingLeftEdgeAndSize) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.left = 120;
    spec.top = 0;
    spec.width = 400;
    spec.height = 300;
    const SpawnedWindows* opened = Spawn(spec);
    ASSERT_NE(opened, nullptr);

    ASSERT_TRUE(WaitForTop(opened->First(), 30)) << Describe(WindowRectOf(opened->First()));
    const RECT moved = WindowRectOf(opened->First());
    EXPECT_EQ(moved.left, 120);
    EXPECT_EQ(moved.right - moved.left, 400);
    EXPECT_EQ(moved.bottom - moved.top, 300);
}

TEST_F(Relocation, WindowsOnTheWatchLineNamedProgramManagerOrMinimizedAreNotTouched) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec onLine;
    onLine.top = 30;
    WindowSpec desktop;
    desktop.title = L"Program Manager";
    desktop.left = 300;
    desktop.top = 0;
    WindowSpec minimized;
    minimized.left = 500;
    minimized.top = 0;
    minimized.shown = Shown::Minimized;
    const SpawnedWindows* lineWindow = Spawn(onLine);
    const SpawnedWindows* desktopWindow = Spawn(desktop);
    const SpawnedWindows* minimizedWindow = Spawn(minimized);
    ASSERT_NE(lineWindow, nullptr);
    ASSERT_NE(desktopWindow, nullptr);
    ASSERT_NE(minimizedWindow, nullptr);
    const RECT lineBefore = WindowRectOf(lineWindow->First());
    const RECT desktopBefore = WindowRectOf(desktopWindow->First());
    const RECT minimizedNormalBefore = NormalRectOf(minimizedWindow->First());

    ASSERT_TRUE(WitnessMoveTo(30));

    EXPECT_TRUE(HoldsFor(
        [&] {
            return SameRect(WindowRectOf(lineWindow->First()), lineBefore) &&
                   SameRect(WindowRectOf(desktopWindow->First()), desktopBefore) &&
                   IsIconic(minimizedWindow->First()) &&
                   SameRect(NormalRectOf(minimizedWindow->First()), minimizedNormalBefore);
        },
        StillPeriod))
        << Describe(WindowRectOf(lineWindow->First())) << " "
        << Describe(WindowRectOf(desktopWindow->First())) << " "
        << Describe(NormalRectOf(minimizedWindow->First()));
}

TEST_F(Relocation, NegativeSliderOffsetFromTheSettingsFileRaisesTheWatchLine) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Position=-5", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    const SpawnedWindows* opened = Spawn(WindowSpec{});
    ASSERT_NE(opened, nullptr);

    EXPECT_TRUE(WaitForTop(opened->First(), 25)) << Describe(WindowRectOf(opened->First()));
}

TEST_F(Relocation, HexadecimalSliderOffsetFromTheSettingsFileLowersTheWatchLine) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Position=0x0A", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec onOldLine;
    onOldLine.top = 30;
    const SpawnedWindows* opened = Spawn(onOldLine);
    ASSERT_NE(opened, nullptr);

    EXPECT_TRUE(WaitForTop(opened->First(), 40)) << Describe(WindowRectOf(opened->First()));
}

TEST_F(Relocation, IgnoreListEntryInLowerCaseKeepsTheProgramsWindowsWhereTheyAre) {
    ASSERT_TRUE(
        WriteSettings(IniText({"[Config]", "", "[Disable]", "Count=0", "0=ignored_app.exe", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    const SpawnedWindows* ignored = Spawn(WindowSpec{}, L"IGNORED_APP.EXE");
    ASSERT_NE(ignored, nullptr);
    const RECT before = WindowRectOf(ignored->First());

    ASSERT_TRUE(WitnessMoveTo(30));

    EXPECT_TRUE(
        HoldsFor([&] { return SameRect(WindowRectOf(ignored->First()), before); }, StillPeriod))
        << Describe(WindowRectOf(ignored->First()));
}

TEST_F(Relocation, DialogIsCentredInTheWorkAreaWithDialogOption) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Dialog=1", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.dialog = true;
    spec.left = 100;
    spec.top = 0;
    spec.width = 400;
    spec.height = 300;
    const SpawnedWindows* dialog = Spawn(spec);
    ASSERT_NE(dialog, nullptr);
    const RECT work = PrimaryWorkArea();
    const int left = (work.left + work.right - 400) / 2;
    const int top = (work.top + work.bottom - 300) / 2;

    ASSERT_TRUE(WaitForTop(dialog->First(), top)) << Describe(WindowRectOf(dialog->First()));
    const RECT centred = WindowRectOf(dialog->First());
    EXPECT_EQ(centred.left, left);
    EXPECT_EQ(centred.right - centred.left, 400);
    EXPECT_EQ(centred.bottom - centred.top, 300);
}

TEST_F(Relocation, DialogGoesToTheWatchLineWithoutDialogOption) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.dialog = true;
    const SpawnedWindows* dialog = Spawn(spec);
    ASSERT_NE(dialog, nullptr);

    ASSERT_TRUE(WaitForTop(dialog->First(), 30)) << Describe(WindowRectOf(dialog->First()));
    EXPECT_EQ(WindowRectOf(dialog->First()).left, 100);
}

TEST_F(Relocation, ReSizeShortensATallWindowToTheRoomBelowTheWatchLine) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "ReSize=1", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    const int room = PrimaryWorkArea().bottom - 30;
    WindowSpec tall;
    tall.top = 10;
    tall.height = room + 1;
    WindowSpec fitting;
    fitting.left = 600;
    fitting.top = 10;
    fitting.height = room;
    const SpawnedWindows* tallWindow = Spawn(tall);
    const SpawnedWindows* fittingWindow = Spawn(fitting);
    ASSERT_NE(tallWindow, nullptr);
    ASSERT_NE(fittingWindow, nullptr);

    ASSERT_TRUE(WaitForTop(tallWindow->First(), 30));
    ASSERT_TRUE(WaitForTop(fittingWindow->First(), 30));
    const RECT shortened = WindowRectOf(tallWindow->First());
    const RECT kept = WindowRectOf(fittingWindow->First());
    EXPECT_EQ(shortened.bottom - shortened.top, room) << Describe(shortened);
    EXPECT_EQ(shortened.right - shortened.left, 400);
    EXPECT_EQ(kept.bottom - kept.top, room) << Describe(kept);
}

TEST_F(Relocation, TallWindowKeepsItsHeightWithoutReSize) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    const int height = PrimaryWorkArea().bottom - 20;
    WindowSpec tall;
    tall.top = 10;
    tall.height = height;
    const SpawnedWindows* opened = Spawn(tall);
    ASSERT_NE(opened, nullptr);

    ASSERT_TRUE(WaitForTop(opened->First(), 30));
    const RECT moved = WindowRectOf(opened->First());
    EXPECT_EQ(moved.bottom - moved.top, height) << Describe(moved);
}

TEST_F(Relocation, MaximizedWindowIsLeftAloneByDefault) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.shown = Shown::Maximized;
    const SpawnedWindows* maximized = Spawn(spec);
    ASSERT_NE(maximized, nullptr);
    ASSERT_TRUE(IsZoomed(maximized->First()));
    const RECT before = WindowRectOf(maximized->First());
    ASSERT_LT(before.top, 30);

    ASSERT_TRUE(WitnessMoveTo(30));

    EXPECT_TRUE(HoldsFor(
        [&] {
            return IsZoomed(maximized->First()) &&
                   SameRect(WindowRectOf(maximized->First()), before);
        },
        StillPeriod))
        << Describe(WindowRectOf(maximized->First()));
}

TEST_F(Relocation, MaximizedWindowIsLeftAloneUnderAnAutoHideBarEvenWithMax) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Max=1", ""})));
    StandinSpec autoHide;
    autoHide.autoHide = true;
    ASSERT_TRUE(StartStandin(autoHide));
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.shown = Shown::Maximized;
    const SpawnedWindows* maximized = Spawn(spec);
    ASSERT_NE(maximized, nullptr);
    const RECT before = WindowRectOf(maximized->First());

    ASSERT_TRUE(WitnessMoveTo(30));

    EXPECT_TRUE(HoldsFor(
        [&] {
            return IsZoomed(maximized->First()) &&
                   SameRect(WindowRectOf(maximized->First()), before);
        },
        StillPeriod))
        << Describe(WindowRectOf(maximized->First()));
}

TEST_F(Relocation, MaximizedWindowIsMovedDownWithMax) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Max=1", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.shown = Shown::Maximized;
    const SpawnedWindows* maximized = Spawn(spec);
    ASSERT_NE(maximized, nullptr);
    const RECT before = WindowRectOf(maximized->First());

    ASSERT_TRUE(WaitForTop(maximized->First(), 30)) << Describe(WindowRectOf(maximized->First()));
    const RECT moved = WindowRectOf(maximized->First());
    EXPECT_EQ(moved.left, before.left);
    EXPECT_EQ(moved.right - moved.left, before.right - before.left);
}

TEST_F(Relocation, MaximizedWindowIsRestoredThenMovedWithMaxAndRestore) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Max=1", "Restore=1", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.shown = Shown::Maximized;
    const SpawnedWindows* maximized = Spawn(spec);
    ASSERT_NE(maximized, nullptr);

    ASSERT_TRUE(WaitUntil([&] { return !IsZoomed(maximized->First()); }, ReactionLimit));
    ASSERT_TRUE(WaitForTop(maximized->First(), 30)) << Describe(WindowRectOf(maximized->First()));
    const RECT normal = WindowRectOf(maximized->First());
    EXPECT_EQ(normal.left, 100);
    EXPECT_EQ(normal.right - normal.left, 400);
    EXPECT_EQ(normal.bottom - normal.top, 300);
}

} // namespace
} // namespace e2e
