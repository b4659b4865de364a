#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "watcher_scene.h"

namespace vm {
namespace {

// How often the program announced (asked for the title to swap) and asked
// for a move since the last look.
struct Attempts {
    long announced = 0;
    long moved = 0;
};

Attempts TakeAttempts(WatcherScene& scene) {
    const std::vector<std::string> names = scene.desk.callNames(scene.self);
    scene.desk.clearCalls();
    return {std::count(names.begin(), names.end(), "SendMessageTimeoutA"),
            std::count(names.begin(), names.end(), "SetWindowPos")};
}

// A full pass, then the next tick's look at whether the moves took.
void PassAndTick(WatcherScene& scene, Hwnd window) {
    scene.Pass(window);
    scene.handler->VerifyMoves();
}

TEST(UntouchableWindowsTest, AWindowThatDidNotMoveIsAnnouncedOnceUntilItChanges) {
    // An elevated program's window refuses the move outright; another takes
    // the request and stays where it is.
    for (const bool elevated : {true, false}) {
        WatcherScene scene;
        const Hwnd window = scene.Open({.title = "Admin",
                                        .rect = {100, 0, 500, 300},
                                        .refusesMoves = !elevated,
                                        .elevated = elevated});
        scene.desk.clearCalls();
        PassAndTick(scene, window);
        const Attempts first = TakeAttempts(scene);
        EXPECT_EQ(first.announced, 1) << elevated;
        EXPECT_EQ(first.moved, 1) << elevated;
        EXPECT_EQ(scene.desk.windows().window(window).titleA(), "Admin") << elevated;
        for (int pass = 0; pass < 3; ++pass)
            PassAndTick(scene, window);
        const Attempts later = TakeAttempts(scene);
        EXPECT_EQ(later.announced, 0) << elevated;
        EXPECT_EQ(later.moved, 0) << elevated;
        // Its own program moves it a little, or away and back to the same
        // place between two ticks: it is tried once more.
        const std::pair<Rect, Rect> changes[] = {
            {{120, 0, 520, 300}, {120, 0, 520, 300}},
            {{120, 200, 520, 500}, {120, 0, 520, 300}},
        };
        for (const auto& [away, back] : changes) {
            scene.desk.windows().window(window).rect = away;
            scene.handler->VerifyMoves();
            scene.desk.windows().window(window).rect = back;
            PassAndTick(scene, window);
            PassAndTick(scene, window);
            const Attempts moved = TakeAttempts(scene);
            EXPECT_EQ(moved.announced, 1) << elevated;
            EXPECT_EQ(moved.moved, 1) << elevated;
        }
        // Its program restarts and opens the window again.
        scene.desk.endProcess(scene.note);
        scene.note = scene.desk.addProcess("C:\\Apps\\note.exe");
        const Hwnd again = scene.Open({.title = "Admin", .rect = {100, 0, 500, 300}});
        PassAndTick(scene, again);
        EXPECT_EQ(scene.RectOf(again).top, 30) << elevated;
    }
}

TEST(UntouchableWindowsTest, WindowsThatMoveAndHungOnesAreTriedAsBefore) {
    WatcherScene scene;
    const Hwnd window = scene.Open({.rect = {100, 0, 500, 300}});
    PassAndTick(scene, window);
    EXPECT_EQ(scene.RectOf(window).top, 30);
    // Put back by its program: moved again at once.
    scene.desk.moveWindow(window, {100, 0, 500, 300});
    scene.desk.clearCalls();
    PassAndTick(scene, window);
    EXPECT_EQ(TakeAttempts(scene).moved, 1);
    EXPECT_EQ(scene.RectOf(window).top, 30);
    // A hung program carries out the queued move once it answers again.
    scene.desk.moveWindow(window, {100, 0, 500, 300});
    scene.desk.setHung(scene.note, true);
    PassAndTick(scene, window);
    EXPECT_EQ(scene.RectOf(window).top, 0);
    scene.desk.setHung(scene.note, false);
    scene.desk.scheduler().advance(0); // the thread reads its queue again
    EXPECT_EQ(scene.RectOf(window).top, 30);
    // The tick judged that move before the window's thread could act on it;
    // the next one sees the window moved, so being put back at the very same
    // place later still gets it moved.
    scene.handler->VerifyMoves();
    scene.desk.moveWindow(window, {100, 0, 500, 300});
    PassAndTick(scene, window);
    EXPECT_EQ(scene.RectOf(window).top, 30);
}

} // namespace
} // namespace vm
