#include "window_info/window_helpers.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;

class WindowHelpers : public ::testing::Test {
protected:
    WindowHelpers() {
        desk.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768});
        self = desk.addProcess("C:\\Velmora\\Velmora.exe");
        monitors.Refresh(p().win);
    }
    Platform p() { return desk.platformFor(self); }
    // A plausible window: class "C" and title "t" unless the WindowSpec names them.
    Hwnd Add(WindowSpec spec) {
        if (spec.className.empty())
            spec.className = "C";
        if (spec.title.empty())
            spec.title = "t";
        return desk.addWindow(spec);
    }

    SimDesktop desk;
    std::uint32_t self = 0;
    DisplayMonitors monitors;
};

TEST_F(WindowHelpers, IdentityIsCleanedAndUpperCased) {
    const std::uint32_t app = desk.addProcess("C:\\Program Files\\Tools\\notepad.exe");
    const Hwnd w = desk.addWindow(
        WindowSpec{.className = "Notepad \t", .title = "  memo.txt \x01 ", .pid = app});
    Platform platform = p();
    const WindowIdentity id = GetWindowIdentity(platform, w);
    EXPECT_EQ(id.Title, "  memo.txt"); // leading blanks stay
    EXPECT_EQ(id.ClassName, "Notepad");
    EXPECT_EQ(id.ExeName, "NOTEPAD.EXE");
}

TEST_F(WindowHelpers, ExeNameSkipsTrailBytesThatLookLikeBackslashes) {
    // "ソ" is 0x83 0x5C: its trail byte is not a folder separator.
    const std::uint32_t app = desk.addProcess("C:\\Apps\\\x83\x5Ctool.exe");
    const Hwnd w = Add({.pid = app});
    Platform platform = p();
    EXPECT_EQ(GetWindowIdentity(platform, w).ExeName, "\x83\x5CTOOL.EXE");
}

TEST_F(WindowHelpers, ExeNameComesFromTheProcessAndIsEmptyWhenNeitherItNorASnapshotTells) {
    const Hwnd w = Add({});
    desk.system().snapshotUnavailable = true;
    Platform platform = p();
    EXPECT_EQ(GetWindowIdentity(platform, w).ExeName, "APP.EXE");
    desk.libraries().removeExport("kernel32.dll", "QueryFullProcessImageNameA");
    const WindowIdentity id = GetWindowIdentity(platform, w);
    EXPECT_EQ(id.Title, "t");
    EXPECT_EQ(id.ExeName, "");
}

TEST_F(WindowHelpers, EachProcessIsAskedAndOnlyOneThatCannotTellCostsASnapshot) {
    const std::uint32_t a = desk.addProcess("C:\\Apps\\a.exe");
    const std::string tooLong = "C:\\" + std::string(260, 'x') + ".exe";
    const std::uint32_t deep = desk.addProcess(tooLong);
    ProcessExeNames names(p().os);
    EXPECT_EQ(names.ExeFileOf(a), "C:\\Apps\\a.exe");
    EXPECT_EQ(desk.system().snapshotCount, 0u);
    // A path too long for the query's buffer: the snapshot's, cut as it is.
    EXPECT_EQ(names.ExeFileOf(deep), tooLong.substr(0, 259));
    EXPECT_EQ(desk.system().snapshotCount, 1u);
}

TEST_F(WindowHelpers, OneSnapshotNamesEveryProcessAndAProcessMissingFromItGetsAFreshOne) {
    // Before Windows Vista a process cannot be asked for its image name.
    desk.libraries().removeExport("kernel32.dll", "QueryFullProcessImageNameA");
    const std::uint32_t a = desk.addProcess("C:\\Apps\\a.exe");
    const std::uint32_t b = desk.addProcess("C:\\Apps\\b.exe");
    ProcessExeNames names(p().os);
    EXPECT_EQ(desk.system().snapshotCount, 0u); // taken when first needed
    EXPECT_EQ(names.ExeFileOf(a), "C:\\Apps\\a.exe");
    EXPECT_EQ(names.ExeFileOf(b), "C:\\Apps\\b.exe");
    EXPECT_EQ(names.ExeFileOf(a), "C:\\Apps\\a.exe");
    EXPECT_EQ(desk.system().snapshotCount, 1u);
    // Started after the snapshot: a fresh one finds it and serves from then on.
    const std::uint32_t late = desk.addProcess("C:\\Apps\\late.exe");
    EXPECT_EQ(names.ExeFileOf(late), "C:\\Apps\\late.exe");
    EXPECT_EQ(names.ExeFileOf(b), "C:\\Apps\\b.exe");
    EXPECT_EQ(desk.system().snapshotCount, 2u);
    // In no snapshot at all, and without the snapshot functions: empty.
    EXPECT_EQ(names.ExeFileOf(0xDEAD), "");
    desk.system().snapshotUnavailable = true;
    ProcessExeNames none(p().os);
    EXPECT_EQ(none.ExeFileOf(a), "");
}

TEST_F(WindowHelpers, ParkedWindowsHaveNoBoundsButTheirLeftAloneDoesNotPark) {
    const Hwnd minimized = Add({.minimized = true});
    const Hwnd leftOnly = Add({.rect = {-32000, 0, -31000, 100}});
    WindowBounds b{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowBounds(p().win, minimized, b));
    EXPECT_EQ(b.left, 1); // nothing written
    Rect r;
    EXPECT_FALSE(TryGetWindowRect(p().win, minimized, r));
    EXPECT_TRUE(GetWindowBounds(p().win, leftOnly, b));
    EXPECT_EQ(b.width, 1000);
    EXPECT_TRUE(TryGetWindowRect(p().win, leftOnly, r));
}

TEST_F(WindowHelpers, ExtremeRectanglesGiveClampedBoundsNotOverflow) {
    const Hwnd huge = Add({.rect = {-2147483647, -2147483647, 2147483647, 2147483647}});
    WindowBounds b;
    EXPECT_TRUE(GetWindowBounds(p().win, huge, b));
    EXPECT_EQ(b.width, 2147483647);
    EXPECT_EQ(b.height, 2147483647);
}

TEST_F(WindowHelpers, UserWindowsAreVisibleTitledAndNotMinimized) {
    const Hwnd normal = Add({});
    const Hwnd progman = desk.addProgramManager();
    const Hwnd minimized = Add({.minimized = true});
    const Hwnd hidden = Add({.visible = false});
    const Hwnd untitled = desk.addWindow({.className = "C"});
    EXPECT_TRUE(IsUserWindow(p().win, normal));
    for (Hwnd w : {progman, minimized, hidden, untitled, Hwnd{0}})
        EXPECT_FALSE(IsUserWindow(p().win, w)) << w.Value();
    // Invisible, untitled and null windows have no identity at all.
    Platform platform = p();
    for (Hwnd w : {hidden, untitled, Hwnd{0}}) {
        const WindowIdentity id = GetWindowIdentity(platform, w);
        EXPECT_TRUE(id.Title.empty() && id.ClassName.empty() && id.ExeName.empty()) << w.Value();
    }
}

TEST_F(WindowHelpers, FrameStyleCountsEveryBitBelowTheTopByte) {
    const Hwnd popup = Add({.style = ws::POPUP | ws::VISIBLE});
    EXPECT_TRUE(HasNoFrameStyle(p().win, popup));
    for (std::uint32_t bit : {ws::BORDER, ws::THICKFRAME, 0x00000001u, 0x00800000u}) {
        desk.windows().window(popup).style = ws::POPUP | ws::VISIBLE | bit;
        EXPECT_FALSE(HasNoFrameStyle(p().win, popup)) << std::hex << bit;
    }
}

TEST_F(WindowHelpers, MonitorIndexIsTheNearestMonitor) {
    desk.addMonitor({1024, 0, 2048, 768}, {1024, 0, 2048, 768});
    monitors.Refresh(p().win);
    const Hwnd onSecond = Add({.rect = {1100, 0, 1300, 100}});
    const Hwnd farRight = Add({.rect = {5000, 0, 5100, 100}});
    const Hwnd farLeft = Add({.rect = {-900, 0, -800, 100}});
    EXPECT_EQ(MonitorIndexOfWindow(p().win, monitors, onSecond), 1);
    EXPECT_EQ(MonitorIndexOfWindow(p().win, monitors, farRight), 1);
    EXPECT_EQ(MonitorIndexOfWindow(p().win, monitors, farLeft), 0);
}

TEST_F(WindowHelpers, PlacementCentresInTheWorkAreaButNeverMovesCaptionSizedWindows) {
    const Hwnd w = Add({.rect = {5, 5, 405, 305}});
    PlaceWindowOnMonitor(p().win, monitors, w, Placement::Centre, 0);
    EXPECT_EQ(desk.windows().window(w).rect, (Rect{312, 249, 712, 549}));
    PlaceWindowOnMonitor(p().win, monitors, w, Placement::TopLeft, 0);
    EXPECT_EQ(desk.windows().window(w).rect, (Rect{0, 30, 400, 330}));

    const Hwnd thin = Add({.rect = {5, 5, 405, 24}});
    PlaceWindowOnMonitor(p().win, monitors, thin, Placement::Centre, 0); // 19 high: caption size
    EXPECT_EQ(desk.windows().window(thin).rect, (Rect{5, 5, 405, 24}));
}

TEST_F(WindowHelpers, FileIconsComeFromTheShellOnlyForExistingFiles) {
    desk.files().write("C:\\Icons\\run.ico", "icon");
    Platform platform = p();
    // The shell answers a process that has entered COM, as the program has.
    ASSERT_TRUE(platform.os.CoInitialize());
    const HIcon first = GetFileIcon(platform, "C:\\Icons\\run.ico");
    EXPECT_NE(first, HIcon{0});
    EXPECT_NE(GetFileIcon(platform, "C:\\Icons\\run.ico"), first); // the caller owns each
    EXPECT_EQ(GetFileIcon(platform, "C:\\Icons\\missing.ico"), HIcon{0});
}

TEST_F(WindowHelpers, ForceForegroundReturnsAtOnceForTheForegroundWindow) {
    const Hwnd w = Add({});
    desk.windows().setForeground(w);
    desk.clearCalls();
    EXPECT_TRUE(ForceForegroundWindow(p().win, OsVersionInfo{148, 5, 1, 2600, 2}, w));
    EXPECT_EQ(desk.callNames(self), (std::vector<std::string>{"GetForegroundWindow"}));
}

TEST_F(WindowHelpers, ForceForegroundOvercomesTheLockByInputOrByTimeout) {
    const std::uint32_t other = desk.addProcess("C:\\Apps\\other.exe");
    const std::uint32_t third = desk.addProcess("C:\\Apps\\third.exe");
    const Hwnd front = Add({.title = "front", .pid = other});
    const Hwnd target = Add({.title = "target", .pid = third});
    const OsVersionInfo xp{148, 5, 1, 2600, 2};
    desk.windows().setForegroundLock(true);

    desk.windows().setForeground(front);
    EXPECT_TRUE(ForceForegroundWindow(p().win, xp, target));

    // Without shared input the lock time-out is lifted for a moment and put
    // back; the system lets only a process that could take the foreground
    // itself lift it.
    desk.windows().setForeground(front);
    desk.windows().setAttachFails(true);
    desk.clearCalls();
    EXPECT_FALSE(ForceForegroundWindow(p().win, xp, target));
    desk.windows().grantForegroundRight(self);
    EXPECT_TRUE(ForceForegroundWindow(p().win, xp, target));
    const auto names = desk.callNames(self);
    EXPECT_EQ(std::count(names.begin(), names.end(), "SystemParametersInfoA"), 6);
    std::uint32_t timeout = 0;
    p().win.SystemParametersInfoA(spi::GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    EXPECT_EQ(timeout, 200000u);
}

TEST_F(WindowHelpers, ForceForegroundOnWindows95CallsTheSystemDirectly) {
    const Hwnd front = Add({.title = "front"});
    const Hwnd target = Add({.title = "target"});
    desk.windows().setForegroundLock(false); // Windows 95 has no foreground lock
    desk.windows().setForeground(front);
    desk.clearCalls();
    EXPECT_TRUE(ForceForegroundWindow(p().win, OsVersionInfo{148, 4, 0, 950, 1}, target));
    const auto names = desk.callNames(self);
    EXPECT_EQ(std::count(names.begin(), names.end(), "AttachThreadInput"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "SystemParametersInfoA"), 0);
}

} // namespace
} // namespace vm
