#include "watcher/window_relocation.h"

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "watcher_scene.h"

namespace vm {
namespace {

TEST(WindowRelocationTest, WorkedExampleWithDialogAndHeightOptions) {
    struct Case {
        const char* what;
        bool dialog, resize;
        std::string className;
        Rect before, after;
    };
    const std::vector<Case> cases{
        {"plain", false, false, "", {100, 0, 500, 300}, {100, 30, 500, 330}},
        {"dialog", true, false, "#32770", {100, 0, 500, 300}, {312, 249, 712, 549}},
        {"other class", true, false, "#32771", {100, 0, 500, 300}, {100, 30, 500, 330}},
        {"dialog, option off", false, false, "#32770", {100, 0, 500, 300}, {100, 30, 500, 330}},
        {"too high", false, true, "", {100, 10, 500, 760}, {100, 30, 500, 768}},
        {"exactly the room", false, true, "", {100, 10, 500, 748}, {100, 30, 500, 768}},
        {"one pixel more", false, true, "", {100, 10, 500, 749}, {100, 30, 500, 768}},
        {"height option off", false, false, "", {100, 10, 500, 760}, {100, 30, 500, 780}},
        // Centred, with the room counted from the watch line.
        {"centred and cut", true, true, "#32770", {100, 0, 500, 750}, {312, 24, 712, 762}},
    };
    for (const Case& c : cases) {
        WatcherScene scene({"/Q", "/S"});
        scene.options.settings.centreDialogs = c.dialog;
        scene.options.settings.fitHeight = c.resize;
        const Hwnd window = scene.Open({.className = c.className, .rect = c.before});
        scene.Pass(window);
        EXPECT_EQ(scene.RectOf(window), c.after) << c.what;
    }
}

TEST(WindowRelocationTest, DialogCentringTruncatesTowardZero) {
    WatcherScene right({"/Q", "/S"});
    right.options.settings.centreDialogs = true;
    const Hwnd dialog = right.Open({.className = "#32770", .rect = {0, 0, 301, 100}});
    right.Pass(dialog);
    EXPECT_EQ(right.RectOf(dialog).left, 361); // 723 / 2

    WatcherScene left({"/Q", "/S"}, {.monitor = {-1024, 0, 0, 768},
                                     .work = {-1024, 30, 0, 768},
                                     .taskbar = {.rect = {-1024, 0, 0, 30}}});
    left.options.settings.centreDialogs = true;
    const Hwnd far = left.Open({.className = "#32770", .rect = {-1000, 0, -443, 100}});
    left.Pass(far);
    EXPECT_EQ(left.RectOf(far).left, -790); // -1581 / 2
}

struct TrayChange {
    IconState image;
    std::uint64_t time;
    std::string title;
};

TEST(WindowRelocationTest, AnnouncementComesBeforeTheMoveAndRestoresTheTitle) {
    for (const std::string caption : {"MOVING", ""}) {
        WatcherScene scene;
        scene.desk.files().write("C:\\Media\\ding.wav", "RIFF");
        scene.options.settings.moveSound = "C:\\Media\\ding.wav";
        scene.options.settings.moveTitle = caption;
        const std::u16string title = u"Caf\u00e9 \u2603 \u20ac";
        const Hwnd window = scene.Open({.titleW = title});
        std::vector<TrayChange> changes;
        scene.tray.OnChange = [&] {
            changes.push_back({scene.tray.Image(), scene.desk.scheduler().now(),
                               scene.desk.windows().window(window).titleA()});
        };
        scene.tracker->CheckTaskbar();
        const WindowIdentity identity = GetWindowIdentity(scene.context->platform, window);
        scene.desk.clearCalls();
        const std::uint64_t start = scene.desk.scheduler().now();
        scene.handler->HandleWindow(window, identity);
        scene.desk.scheduler().advance(0); // the window's program carries out the move

        const std::set<std::string> watched{
            "sndPlaySoundA", "GetWindowTextLengthW", "GetWindowTextW", "SendMessageTimeoutA",
            "Sleep",         "SendMessageTimeoutW",  "SetWindowPos",   "ShowWindowAsync"};
        std::vector<std::string> order;
        for (const std::string& name : scene.desk.callNames(scene.self)) {
            if (watched.count(name))
                order.push_back(name);
        }
        // The title is read before and after the swap, and again before and
        // after each of two round trips its thread answers, before it is
        // given back (it may be the program's own by then).
        EXPECT_EQ(order, (std::vector<std::string>{
                             "sndPlaySoundA", "GetWindowTextLengthW", "GetWindowTextW",
                             "SendMessageTimeoutA", "GetWindowTextLengthW", "GetWindowTextW",
                             "Sleep", "GetWindowTextLengthW", "GetWindowTextW",
                             "SendMessageTimeoutW", "GetWindowTextLengthW", "GetWindowTextW",
                             "SendMessageTimeoutW", "GetWindowTextLengthW", "GetWindowTextW",
                             "SendMessageTimeoutW", "SetWindowPos"}));
        ASSERT_EQ(changes.size(), 2u);
        EXPECT_EQ(changes[0].image, IconState::Moving);
        EXPECT_EQ(changes[0].time, start);
        EXPECT_EQ(changes[0].title, caption);
        EXPECT_EQ(changes[1].image, IconState::Normal);
        EXPECT_EQ(changes[1].time, start + 100);
        EXPECT_EQ(changes[1].title, caption) << "the title comes back after the icon";
        EXPECT_EQ(scene.desk.windows().window(window).titleW, title);
        EXPECT_EQ(scene.RectOf(window), (Rect{100, 30, 500, 330}));
        EXPECT_EQ(scene.controls.ListBoxLog.Items(),
                  (std::vector<std::string>{"NOTE.EXE", identity.Title, "NoteWindow"}));
        EXPECT_GT(scene.controls.ListBoxLog.HorizontalExtent(), 0);
    }
}

TEST(WindowRelocationTest, SilentSwitchMovesWithoutAnyAnnouncement) {
    WatcherScene scene({"/Q", "/S"});
    int trayChanges = 0;
    scene.tray.OnChange = [&] { ++trayChanges; };
    const Hwnd window = scene.Open({});
    scene.Pass(window);
    EXPECT_EQ(scene.RectOf(window), (Rect{100, 30, 500, 330}));
    EXPECT_EQ(trayChanges, 0);
    EXPECT_EQ(scene.desk.scheduler().now(), 0u);
    EXPECT_EQ(scene.controls.ListBoxLog.Count(), 0u);
    const std::vector<std::string> names = scene.desk.callNames(scene.self);
    EXPECT_EQ(std::count(names.begin(), names.end(), "SendMessageTimeoutA"), 0);
}

TEST(WindowRelocationTest, LogKeepsOneEntryPerTextInAnyCase) {
    WatcherScene scene;
    for (const char* title : {"Note", "NOTE", "Memo", "Note"}) {
        const Hwnd window = scene.Open({.title = title});
        scene.Pass(window);
        scene.Pass(window); // not a candidate any more: adds nothing
    }
    EXPECT_EQ(scene.controls.ListBoxLog.Items(),
              (std::vector<std::string>{"NOTE.EXE", "Note", "NoteWindow", "Memo"}));
}

TEST(WindowRelocationTest, WindowVanishingDuringTheFlashIsStillLogged) {
    WatcherScene scene;
    const Hwnd window = scene.Open({});
    scene.tray.OnChange = [&] {
        if (scene.tray.Image() == IconState::Moving)
            scene.desk.destroyWindow(window);
    };
    scene.Pass(window);
    EXPECT_FALSE(scene.desk.windows().exists(window));
    EXPECT_EQ(scene.tray.Image(), IconState::Normal);
    EXPECT_EQ(scene.controls.ListBoxLog.Items(),
              (std::vector<std::string>{"NOTE.EXE", "Note", "NoteWindow"}));
    // The window is read again before the move, and a gone one is not asked.
    const std::vector<std::string> names = scene.desk.callNames(scene.self);
    EXPECT_EQ(std::count(names.begin(), names.end(), "SetWindowPos"), 0);
}

TEST(WindowRelocationTest, AWindowThatStopsAnsweringNeverHoldsTheProgramUp) {
    WatcherScene scene;
    scene.options.settings.moveTitle = "MOVING";
    const Hwnd window = scene.Open({.title = "Frozen"});
    const Rect before = scene.RectOf(window);
    scene.desk.setHung(scene.note, true);
    // The system reports a thread hung once it has not read its queue for 5 s.
    scene.desk.scheduler().advance(5000);
    const std::uint64_t start = scene.desk.scheduler().now();
    scene.Pass(window);
    EXPECT_EQ(scene.desk.scheduler().frozenCalls(), 0u);
    EXPECT_EQ(scene.desk.scheduler().now() - start, 100u)
        << "only the flash: the hung window is not waited for";
    EXPECT_EQ(scene.desk.windows().window(window).titleA(), "Frozen");
    EXPECT_EQ(scene.RectOf(window), before) << "the move waits in the hung thread's queue";
    // Once it answers again, the next pass moves it.
    scene.desk.setHung(scene.note, false);
    scene.Pass(window);
    EXPECT_EQ(scene.RectOf(window), (Rect{100, 30, 500, 330}));
}

TEST(WindowRelocationTest, ATitleTheProgramSetsOnSeeingOursIsNeverOverwritten) {
    // The program sets a title of its own just before our nth read of the
    // title: right after the swap, during the flash, or between the round
    // trips before the restore. Its title stays, whichever read it precedes.
    for (int read = 2; read <= 5; ++read) {
        WatcherScene scene;
        scene.options.settings.moveTitle = "MOVING";
        const Hwnd window = scene.Open({.title = "Note"});
        scene.tracker->CheckTaskbar();
        std::function<void(int)> actBeforeRead = [&](int left) {
            scene.desk.beforeNextCall("GetWindowTextLengthW", [&, left] {
                if (left > 1)
                    actBeforeRead(left - 1);
                else
                    scene.desk.windows().window(window).titleW = u"Note - saved";
            });
        };
        actBeforeRead(read);
        scene.Pass(window);
        EXPECT_EQ(scene.desk.windows().window(window).titleW, u"Note - saved") << "read " << read;
        EXPECT_EQ(scene.RectOf(window), (Rect{100, 30, 500, 330})) << "read " << read;
    }
}

TEST(WindowRelocationTest, AMonitorThatVanishesBeforeTheMoveLeavesTheWindowUnmoved) {
    // Centring a dialog and shortening a window both need the work area.
    for (const bool dialog : {true, false}) {
        WatcherScene scene;
        (dialog ? scene.options.settings.centreDialogs : scene.options.settings.fitHeight) = true;
        // A second display holds the taskbar and the window; the primary stays.
        const HMonitor monitor = scene.desk.addMonitor({1024, 0, 2048, 768}, {1024, 30, 2048, 768});
        scene.desk.setTaskbar({.rect = {1024, 0, 2048, 30}});
        scene.monitors.Refresh(scene.context->platform.win);
        const Hwnd window = scene.Open({.className = "#32770", .rect = {1124, 0, 1524, 300}});
        const Rect before = scene.RectOf(window);
        // Disconnected during the flash, after the rules found the window on it.
        scene.desk.scheduler().at(scene.desk.scheduler().now() + 50,
                                  [&] { scene.desk.removeMonitor(monitor); });
        scene.Pass(window);
        EXPECT_EQ(scene.RectOf(window), before) << (dialog ? "Dialog" : "ReSize");
    }
}

} // namespace
} // namespace vm
