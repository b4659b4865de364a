// Window events beside the poll, with a running program on a desktop with a
// 30-pixel top taskbar: an event moves a window between two ticks; the ticks
// and their passes stay as they were.
#include "watcher/window_events.h"

#include <algorithm>
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
using sim::SimWindow;

constexpr std::uint32_t kTick = 250;

struct EventScene {
    // creationOnly: as Wine 8, only the creation of a window is reported.
    explicit EventScene(bool creationOnly = false) {
        AddTopTaskbarDesktop(desk);
        desk.winEvents().setCreationOnly(creationOnly);
        app = desk.addProcess("C:\\Apps\\app.exe");
    }

    // Starts a resident instance with these [Config] lines and lets it tick
    // twice; the next tick is due 240 ms after the return.
    void Launch(std::vector<std::string> args = {"/w", "/S"}, const std::string& config = "") {
        desk.files().write(kSettings, "[Config]\r\n" + config);
        pid = desk.addProcess(kExe);
        program = std::make_unique<Program>(desk.platformFor(pid), CommandLine(std::move(args)));
        program->Start();
        desk.scheduler().advance(2 * kTick + 10);
        desk.clearCalls();
    }
    Hwnd Open(int top, bool visible = true, std::uint32_t process = 0) {
        return desk.addWindow({.className = "AppWindow",
                               .title = "app",
                               .rect = {100, top, 500, top + 300},
                               .visible = visible,
                               .pid = process != 0 ? process : app});
    }
    int Top(Hwnd window) { return desk.windows().window(window).rect.top; }
    int FullPasses() const {
        int count = 0;
        for (const sim::CallRecord& call : desk.calls())
            count += call.pid == pid && call.name == "EnumDisplayMonitors" ? 1 : 0;
        return count;
    }
    const WindowEvents& Events() { return program->Controller()->Events(); }

    SimDesktop desk;
    std::uint32_t app = 0;
    std::uint32_t pid = 0;
    std::unique_ptr<Program> program;
};

TEST(WindowEventsTest, AWindowAtTheTopIsMovedOnItsEventBeforeTheNextTick) {
    struct Case {
        const char* name;
        bool creationOnly;
        int showAfterMs; // -1: shown at creation
        std::vector<std::string> args;
        int topBeforeTick;
        int movedWithinMs = 220; // of its creation
    };
    const std::vector<Case> cases{
        {"created shown", false, -1, {"/w", "/S"}, 30},
        {"shown later", false, 100, {"/w", "/S"}, 30},
        {"creation only, shown 40 ms later", true, 40, {"/w", "/S"}, 30},
        // Its program shows it before it reads its queue: the round trip
        // answers then, not at the first re-look.
        {"creation only, shown 3 ms later", true, 3, {"/w", "/S"}, 30, 5},
        {"announced", false, -1, {"/w"}, 30},
        // Not shown within 300 ms of its creation: left to the poll.
        {"creation only, shown 320 ms later", true, 320, {"/w", "/S"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventScene scene(c.creationOnly);
        scene.Launch(c.args);
        // Creation, showing, uncloaking and the end of a drag, each alone.
        EXPECT_EQ(scene.desk.winEvents().hookCount(scene.pid), 4u);
        // Just after a tick, so that the next one is 240 ms away.
        const Hwnd window = scene.Open(0, c.showAfterMs < 0);
        if (c.movedWithinMs < 220)
            scene.desk.setBusy(scene.app, static_cast<std::uint32_t>(c.showAfterMs));
        if (c.showAfterMs >= 0) {
            scene.desk.scheduler().at(
                scene.desk.scheduler().now() + static_cast<std::uint64_t>(c.showAfterMs), [&] {
                    scene.desk.showWindow(window, sw::SHOW);
                    scene.desk.windows().setForeground(window);
                });
        }
        if (c.showAfterMs > 200) {
            scene.desk.scheduler().advance(static_cast<std::uint32_t>(c.showAfterMs) + 10);
        } else {
            scene.desk.scheduler().advance(static_cast<std::uint32_t>(c.movedWithinMs));
            EXPECT_EQ(scene.Top(window), c.topBeforeTick);
            scene.desk.scheduler().advance(220 - static_cast<std::uint32_t>(c.movedWithinMs));
            EXPECT_EQ(scene.FullPasses(), 0);
        }
        EXPECT_EQ(scene.Top(window), c.topBeforeTick);
        // The re-look ends with the queue; only the watch timer is left.
        scene.desk.scheduler().advance(2 * kTick);
        EXPECT_EQ(scene.Top(window), 30);
        EXPECT_EQ(scene.Events().WaitingCount(), 0u);
        EXPECT_EQ(scene.desk.scheduler().timerCount(scene.pid), 1u);
    }
}

// Between ticks the watch line is the last pass's: once the taskbar has
// moved, a reported window waits for the pass, never goes to a stale line.
TEST(WindowEventsTest, AfterTheTaskbarMovedTheWindowWaitsForThePass) {
    EventScene scene;
    scene.Launch();
    scene.desk.setTaskbar({.rect = {0, 0, 1024, 40}});
    const Hwnd window = scene.Open(0);
    scene.desk.scheduler().advance(220);
    EXPECT_EQ(scene.Top(window), 0);
    scene.desk.scheduler().advance(kTick);
    EXPECT_EQ(scene.Top(window), 40);
}

// Another monitor's bar is found anew for a reported window: one that slid
// away since the last pass gives its line as it is now.
TEST(WindowEventsTest, AnotherMonitorsBarIsTakenAsItIsNow) {
    EventScene scene;
    scene.desk.addMonitor({1024, 0, 2048, 768}, {1024, 40, 2048, 768});
    const Hwnd bar = scene.desk.addSecondaryTaskbar({1024, 0, 2048, 40});
    scene.Launch();
    scene.desk.moveWindow(bar, {1024, -38, 2048, 2});
    const Hwnd window = scene.desk.addWindow(
        {.className = "AppWindow", .title = "app", .rect = {1100, 0, 1500, 300}, .pid = scene.app});
    scene.desk.scheduler().advance(220);
    EXPECT_EQ(scene.FullPasses(), 0);
    EXPECT_EQ(scene.Top(window), 2);
}

TEST(WindowEventsTest, NoHookInQuickModeWithoutTheExportOrAfterClosingBegan) {
    {
        EventScene scene;
        scene.desk.files().write(kSettings, "[Config]\r\n");
        scene.pid = scene.desk.addProcess(kExe);
        const Hwnd window = scene.Open(0);
        EXPECT_EQ(ProgramMain(scene.desk.platformFor(scene.pid), {"/Q", "/S"}), 0);
        EXPECT_EQ(scene.Top(window), 30);
        for (const std::string& name : scene.desk.callNames(scene.pid))
            EXPECT_NE(name, "SetWinEventHook");
    }
    {
        // Without window events the poll works alone, as before.
        EventScene scene;
        scene.desk.libraries().removeExport("user32.dll", "SetWinEventHook");
        scene.Launch();
        EXPECT_EQ(scene.desk.winEvents().hookCount(scene.pid), 0u);
        const Hwnd window = scene.Open(0);
        scene.desk.scheduler().advance(220);
        EXPECT_EQ(scene.Top(window), 0);
        scene.desk.scheduler().advance(kTick);
        EXPECT_EQ(scene.Top(window), 30);
    }
    {
        // Reported, then the program closes before the report is handled.
        EventScene scene;
        scene.Launch();
        const Hwnd window = scene.Open(0);
        scene.program->Controller()->PPExitClick();
        EXPECT_EQ(scene.desk.winEvents().hookCount(scene.pid), 0u);
        scene.desk.clearCalls();
        scene.program->Run();
        const std::string handle = std::to_string(window.Value());
        for (const sim::CallRecord& call : scene.desk.calls()) {
            EXPECT_FALSE(call.pid == scene.pid &&
                         (call.args == handle || call.args.starts_with(handle + ",")))
                << call.name;
        }
        EXPECT_EQ(scene.Top(window), 0);
    }
}

TEST(WindowEventsTest, OwnWindowsAndChildWindowsAreNotQueued) {
    EventScene scene;
    scene.Launch();
    const Hwnd own = scene.Open(0, true, scene.pid);
    const Hwnd parent = scene.Open(100);
    const Hwnd child = scene.desk.addWindow({.className = "Child",
                                             .rect = {0, 0, 10, 10},
                                             .style = ws::CHILD | ws::VISIBLE,
                                             .pid = scene.app,
                                             .parent = parent});
    scene.desk.clearCalls();
    scene.desk.scheduler().advance(220);
    EXPECT_EQ(scene.Top(own), 0);
    for (const sim::CallRecord& call : scene.desk.calls()) {
        if (call.name == "IsWindow") {
            EXPECT_NE(call.args, std::to_string(own.Value()));
            EXPECT_NE(call.args, std::to_string(child.Value()));
        }
    }
    EXPECT_EQ(scene.Top(parent), 100);
    EXPECT_EQ(scene.Events().WaitingCount(), 0u);
}

// With "Active", the window in front is moved once and then left where the
// user puts it, with events as with the poll alone.
TEST(WindowEventsTest, TheRepeatRuleAndActiveBehaveAsWithThePollAlone) {
    for (const bool events : {true, false}) {
        for (const bool active : {true, false}) {
            SCOPED_TRACE(std::string(events ? "events" : "poll") + (active ? ", Active" : ""));
            EventScene scene;
            if (!events)
                scene.desk.libraries().removeExport("user32.dll", "SetWinEventHook");
            scene.Launch({"/w", "/S"}, active ? "Active=1\r\n" : "");
            const Hwnd window = scene.Open(0);
            scene.desk.windows().setForeground(window);
            scene.desk.scheduler().advance(2 * kTick);
            EXPECT_EQ(scene.Top(window), 30);
            // The user drags it back under the taskbar while it stays in front.
            scene.desk.moveWindow(window, {100, 0, 500, 300});
            scene.desk.scheduler().advance(2 * kTick);
            EXPECT_EQ(scene.Top(window), active ? 0 : 30);
            // Hidden and shown again while in front: a new look, as a pass gives it.
            scene.desk.moveWindow(window, {100, 0, 500, 300});
            scene.desk.showWindow(window, sw::HIDE);
            scene.desk.scheduler().advance(kTick);
            scene.desk.showWindow(window, sw::SHOW);
            scene.desk.windows().setForeground(window);
            scene.desk.scheduler().advance(2 * kTick);
            EXPECT_EQ(scene.Top(window), active ? 0 : 30);
        }
    }
}

// A program that shows its window at the top and then, before it reads its
// queue (or while the move is announced), places or maximizes it itself
// keeps what it did: the window is judged once its program has finished,
// and read again just before the move.
TEST(WindowEventsTest, AProgramStillPlacingItsWindowKeepsWhatItDid) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int busyMs;  // the program reads its queue this long after showing
        int actAtMs; // when it places or maximizes the window
        bool maximize;
    };
    const std::vector<Case> cases{
        {"placed lower before reading its queue", {"/w", "/S"}, 5, 5, false},
        {"maximized right after showing", {"/w", "/S"}, 5, 5, true},
        {"placed lower while the move was announced", {"/w"}, 0, 50, false},
        {"maximized while the move was announced", {"/w"}, 0, 50, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventScene scene;
        scene.Launch(c.args);
        const Hwnd window = scene.Open(0);
        scene.desk.setBusy(scene.app, static_cast<std::uint32_t>(c.busyMs));
        scene.desk.scheduler().at(
            scene.desk.scheduler().now() + static_cast<std::uint64_t>(c.actAtMs), [&] {
                if (c.maximize)
                    scene.desk.showWindow(window, sw::MAXIMIZE);
                else
                    scene.desk.moveWindow(window, {120, 200, 520, 500});
            });
        scene.desk.scheduler().advance(220);
        if (c.maximize) {
            EXPECT_TRUE(scene.desk.windows().window(window).maximized());
        } else {
            EXPECT_EQ(scene.desk.windows().window(window).rect, (Rect{120, 200, 520, 500}));
        }
        for (const sim::CallRecord& call : scene.desk.calls())
            EXPECT_FALSE(call.pid == scene.pid && call.name == "SetWindowPos") << call.args;
    }
}

// A window shown again while its busy program has not yet carried out the
// move gets one announcement and one move.
TEST(WindowEventsTest, OneAnnouncementPerMoveOfABusyProgramsWindow) {
    EventScene scene;
    scene.Launch({"/w"});
    const Hwnd window = scene.Open(0);
    const std::uint64_t start = scene.desk.scheduler().now();
    // Busy from the middle of the flash: the move waits in its queue.
    scene.desk.scheduler().at(start + 50, [&] { scene.desk.setBusy(scene.app, 400); });
    scene.desk.scheduler().at(start + 150, [&] {
        scene.desk.showWindow(window, sw::HIDE);
        scene.desk.showWindow(window, sw::SHOW);
    });
    scene.desk.scheduler().advance(600);
    EXPECT_EQ(scene.Top(window), 30);
    int flashes = 0, moves = 0;
    for (const sim::CallRecord& call : scene.desk.calls()) {
        flashes += call.pid == scene.pid && call.name == "Sleep" ? 1 : 0;
        moves += call.pid == scene.pid && call.name == "SetWindowPos" ? 1 : 0;
    }
    EXPECT_EQ(flashes, 1);
    EXPECT_EQ(moves, 1);
}

// Windows moved together share one flash: a burst never holds the thread
// for more than one flash at a time, and every window at the top is moved.
TEST(WindowEventsTest, AnAnnouncedBurstSharesItsFlashes) {
    EventScene scene;
    scene.Launch({"/w"});
    std::vector<Hwnd> windows;
    const std::uint64_t start = scene.desk.scheduler().now();
    for (int i = 0; i < 300; ++i) {
        scene.desk.scheduler().at(start + static_cast<std::uint64_t>(i * 3),
                                  [&] { windows.push_back(scene.Open(0)); });
    }
    scene.desk.scheduler().advance(1000);
    for (const Hwnd window : windows)
        EXPECT_EQ(scene.Top(window), 30) << window.Value();
    int flashes = 0;
    for (const sim::CallRecord& call : scene.desk.calls())
        flashes += call.pid == scene.pid && call.name == "Sleep" ? 1 : 0;
    EXPECT_LE(flashes, 10);
    EXPECT_EQ(scene.Events().WaitingCount(), 0u);
    EXPECT_EQ(scene.desk.scheduler().timerCount(scene.pid), 1u);
}

TEST(WindowEventsTest, ABurstOf1000WindowsIsAbsorbedAndEveryWindowAtTheTopMoved) {
    EventScene scene;
    scene.Launch();
    std::vector<Hwnd> kept;
    std::size_t mostWaiting = 0;
    const std::uint64_t start = scene.desk.scheduler().now();
    for (int i = 0; i < 1000; ++i) {
        scene.desk.scheduler().at(start + static_cast<std::uint64_t>(i), [&, i] {
            const Hwnd window = scene.Open(i % 2 == 0 ? 0 : 200, i % 3 != 0);
            if (i % 11 == 0)
                scene.desk.windows().window(window).titleW = u"renamed";
            if (i % 7 == 0) {
                scene.desk.destroyWindow(window); // gone before its turn
            } else {
                kept.push_back(window);
                if (i % 3 == 0)
                    scene.desk.showWindow(window, sw::SHOW);
            }
            mostWaiting = std::max(mostWaiting, scene.Events().WaitingCount());
        });
    }
    scene.desk.scheduler().advance(1000 + 2 * kTick);
    EXPECT_LE(mostWaiting, WindowEvents::kCapacity);
    for (const Hwnd window : kept)
        EXPECT_GE(scene.Top(window), 30) << window.Value();
    // Back to idle within a second: nothing waits, no re-look timer runs.
    scene.desk.scheduler().advance(1000);
    EXPECT_EQ(scene.Events().WaitingCount(), 0u);
    EXPECT_EQ(scene.desk.scheduler().timerCount(scene.pid), 1u);
}

// Orderings where the protocol, the announcement and the user meet. Each
// row is a schedule of the window's program and the user; every window ends
// where the rules want it, with its program's own place and title standing
// and at most one announcement per move.
TEST(WindowEventsTest, OrderingsWhereTheProgramAndTheUserMeetTheWatcher) {
    struct Case {
        const char* name;
        bool creationOnly;
        std::string config;
        bool visible; // at creation, at the top
        std::function<void(EventScene&, Hwnd)> schedule;
        int top; // where the window ends
        int announcements;
        std::u16string title = u"app";
    };
    const auto at = [](EventScene& s, int ms, std::function<void()> event) {
        s.desk.scheduler().at(s.desk.scheduler().now() + static_cast<std::uint64_t>(ms),
                              std::move(event));
    };
    const std::string announced = "Caption=1\r\nTitle=MOVING\r\nPlay=1\r\nWave=C:\\ding.wav\r\n";
    const std::vector<Case> cases{
        // Its program answers the creation's round trip while the window is
        // hidden, then, while the watcher flashes for another window, shows
        // it at the top; it places it lower only after another flash's
        // length, before it reads its queue again.
        {"answered hidden, shown and placed before the next read", false, announced, false,
         [&](EventScene& s, Hwnd w) {
             s.Open(0, true, s.desk.addProcess("C:\\Apps\\other.exe"));
             at(s, 50, [&s, w] {
                 s.desk.showWindow(w, sw::SHOW);
                 s.desk.setBusy(s.app, 200);
             });
             at(s, 220, [&s, w] { s.desk.moveWindow(w, {100, 200, 500, 500}); });
         },
         200, 0},
        // Busy for over 5 s from its creation, then shown without the
        // foreground: the show is a new ask, not the end of the old one.
        {"shown after a long start-up", false, "", false,
         [&](EventScene& s, Hwnd w) {
             s.desk.setBusy(s.app, 6000);
             at(s, 5500, [&s, w] { s.desk.showWindow(w, sw::SHOW); });
         },
         30, 0},
        // Adjusted by its program during the announcement, still under the
        // band: moved once it settles, announced once, also with Active.
        {"nudged during the announcement, Active", false, announced + "Active=1\r\n", true,
         [&](EventScene& s, Hwnd w) {
             s.desk.windows().setForeground(w);
             at(s, 50, [&s, w] { s.desk.moveWindow(w, {100, 10, 500, 310}); });
         },
         30, 1},
        {"nudged at every swap of its title", false, announced, true,
         [&](EventScene& s, Hwnd w) {
             for (int ms = 1; ms < 2000; ms += 2) {
                 s.desk.scheduler().at(
                     s.desk.scheduler().now() + static_cast<std::uint64_t>(ms), [&s, w] {
                         SimWindow& window = s.desk.windows().window(w);
                         if (window.titleW == u"MOVING" && window.rect.top < 30)
                             s.desk.moveWindow(w, {window.rect.left + 1, window.rect.top,
                                                   window.rect.right + 1, window.rect.bottom});
                     });
             }
         },
         30, 1},
        // Dropped by the user into the band where Wine reports no end of the
        // drag, and the window rests where the last tick saw it.
        {"dropped in the band without an end event", true, "", true,
         [&](EventScene& s, Hwnd w) {
             s.desk.moveWindow(w, {100, 100, 500, 400});
             s.desk.windows().setForeground(w);
             at(s, 300, [&s, w] { s.desk.windows().beginMoveSize(w); });
             at(s, 400, [&s, w] { s.desk.moveWindow(w, {100, 0, 500, 300}); });
             at(s, 1200, [&s, w] { s.desk.windows().endMoveSize(w); });
             at(s, 1400, [] {});
         },
         30, 0},
        // Retitled by its program during the announcement: its title stands.
        {"retitled during the announcement", false, announced, true,
         [&](EventScene& s, Hwnd w) {
             at(s, 50, [&s, w] { s.desk.windows().window(w).titleW = u"app - saved"; });
         },
         30, 1, u"app - saved"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventScene scene(c.creationOnly);
        scene.desk.files().write("C:\\ding.wav", "RIFF");
        scene.Launch({"/w"}, c.config);
        const Hwnd window = scene.Open(0, c.visible);
        c.schedule(scene, window);
        scene.desk.scheduler().advance(7000);
        EXPECT_EQ(scene.Top(window), c.top);
        EXPECT_EQ(scene.desk.windows().window(window).titleW, c.title);
        // Each announcement swaps the window's title once.
        int swaps = 0;
        for (const sim::CallRecord& call : scene.desk.calls()) {
            swaps += call.pid == scene.pid && call.name == "SendMessageTimeoutA" &&
                             call.args.starts_with(std::to_string(window.Value()) + ",")
                         ? 1
                         : 0;
        }
        EXPECT_EQ(swaps, c.announcements);
    }
}

// A batch swaps every title, shares one sound and one flash, then gives the
// titles back: no window shows the replacement for longer than the flash.
TEST(WindowEventsTest, ABatchSharesOneSoundAndOneFlashForAllItsTitles) {
    EventScene scene;
    scene.desk.files().write("C:\\ding.wav", "RIFF");
    scene.Launch({"/w"}, "Caption=1\r\nTitle=MOVING\r\nPlay=1\r\nWave=C:\\ding.wav\r\n");
    const Hwnd first = scene.Open(0);
    const Hwnd second = scene.Open(0);
    scene.desk.scheduler().advance(300);
    std::vector<std::string> order;
    for (const sim::CallRecord& call : scene.desk.calls()) {
        if (call.pid == scene.pid &&
            (call.name == "sndPlaySoundA" || call.name == "Sleep" ||
             call.name == "SendMessageTimeoutA" || call.name == "SendMessageTimeoutW"))
            order.push_back(call.name);
    }
    // Each restore follows two round trips its thread has just answered.
    EXPECT_EQ(order, (std::vector<std::string>{
                         "sndPlaySoundA", "SendMessageTimeoutA", "SendMessageTimeoutA", "Sleep",
                         "SendMessageTimeoutW", "SendMessageTimeoutW", "SendMessageTimeoutW",
                         "SendMessageTimeoutW", "SendMessageTimeoutW", "SendMessageTimeoutW"}));
    for (const Hwnd window : {first, second}) {
        EXPECT_EQ(scene.Top(window), 30);
        EXPECT_EQ(scene.desk.windows().window(window).titleW, u"app");
    }
}

} // namespace
} // namespace vm
