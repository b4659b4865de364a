#include "app/program.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_test.h"
#include "encoding/sjis_literals.h"
#include "platform/constants.h"
#include "settings/settings_file_io.h"
#include "sim_desktop/sim_desktop.h"
#include "translations/ui_texts.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;
using ::testing::ElementsAre;
using ::testing::MatchesRegex;

class ProgramTest : public AppTest {
protected:
    ProgramTest() { AddTopTaskbarDesktop(desk); }

    int Count(std::uint32_t pid, const std::string& call) {
        const auto names = desk.callNames(pid);
        return static_cast<int>(std::count(names.begin(), names.end(), call));
    }

    Hwnd AppWindowAtTop() {
        return desk.addWindow(
            WindowSpec{.className = "App", .title = "app", .rect = {100, 0, 500, 300}});
    }
};

TEST_F(ProgramTest, ThePlainStartMovesAWindowUnderTheTaskbarAtItsFirstPassAndAtTicks) {
    const Hwnd early = AppWindowAtTop();
    Program& program = Launch({});
    ASSERT_TRUE(started[0]);
    desk.scheduler().advance(0); // the window's program carries out the move
    EXPECT_EQ(desk.windows().window(early).rect, (Rect{100, 30, 500, 330}));
    const Hwnd later = AppWindowAtTop();
    desk.scheduler().advance(250);
    EXPECT_EQ(desk.windows().window(later).rect, (Rect{100, 30, 500, 330}));
    EXPECT_TRUE(program.Controller()->WatchTimer().Enabled());
    EXPECT_EQ(program.Controller()->WatchTimer().Interval(), 250u);
}

TEST_F(ProgramTest, TheControllerWindowIsFoundByClassAndCaption) {
    Program& program = Launch({});
    Platform p = desk.platformFor(pids[0]);
    EXPECT_EQ(p.win.FindWindowA("TMainForm",
                                vm::Text(vm::Language::Japanese, vm::TextId::MainFormCaption).ansi),
              program.Controller()->Window());
    EXPECT_FALSE(p.win.IsWindowVisible(program.Controller()->Window()));
    const auto appExStyle =
        static_cast<std::uint32_t>(p.win.GetWindowLongA(program.AppWindow(), gwl::EXSTYLE));
    EXPECT_NE(appExStyle & ws_ex::TOOLWINDOW, 0u);
}

TEST_F(ProgramTest, ASecondPlainStartHandsOverShowAndEndsWithZero) {
    desk.files().write(kSettings, "[Config]\r\nTray=0\r\n");
    Program& first = Launch({});
    ASSERT_FALSE(first.Controller()->Tray().IconVisible());
    Program& second = Launch({});
    EXPECT_FALSE(started[1]);
    EXPECT_EQ(second.Run(), 0);
    EXPECT_EQ(second.Controller(), nullptr);
    EXPECT_TRUE(first.Controller()->SettingsWindow().Visible());
    EXPECT_FALSE(first.Controller()->Tray().Enabled());
    EXPECT_EQ(Count(pids[1], "SendMessageTimeoutA"), 1);
}

TEST_F(ProgramTest, TheStartThatHandsOverLetsTheSettingsWindowTakeTheForeground) {
    desk.files().write(kSettings, "[Config]\r\nTray=0\r\n");
    desk.windows().setForegroundLock(true);
    Program& first = Launch({});
    const Hwnd other = AppWindowAtTop();
    desk.windows().setForeground(other);
    // The user starts the program again: that process may take the
    // foreground, the running one may not unless it is let.
    const std::uint32_t second = desk.addProcess(kExe);
    desk.windows().grantForegroundRight(second);
    Program secondProgram(desk.platformFor(second), CommandLine(std::vector<std::string>{}));
    EXPECT_FALSE(secondProgram.Start());
    ASSERT_TRUE(first.Controller()->SettingsWindow().Visible());
    EXPECT_EQ(desk.windows().foreground(), first.Controller()->Window());
}

TEST_F(ProgramTest, ASecondStartShowsTheTaskbarTheMenuHidAndNothingElse) {
    Program& first = Launch({});
    first.Controller()->Controls().PPHide.Click();
    ASSERT_FALSE(desk.windows().window(desk.shellObjects().taskbar()).visible());
    Launch({});
    EXPECT_TRUE(desk.windows().window(desk.shellObjects().taskbar()).visible());
    EXPECT_FALSE(first.Controller()->SettingsWindow().Visible());
    desk.scheduler().advance(7500); // no reveal left pending that hides it again
    EXPECT_TRUE(desk.windows().window(desk.shellObjects().taskbar()).visible());
}

TEST_F(ProgramTest, TheHandOverDoesNothingWhileTheTrayIconIsShown) {
    Program& first = Launch({});
    ASSERT_TRUE(first.Controller()->Tray().IconVisible());
    Launch({});
    EXPECT_FALSE(started[1]);
    EXPECT_FALSE(first.Controller()->SettingsWindow().Visible());
}

TEST_F(ProgramTest, AStartWithArgumentsNeverHandsOver) {
    desk.files().write(kSettings, "[Config]\r\nTray=0\r\n");
    Program& first = Launch({"x", "/S"});
    for (const auto& args : {std::vector<std::string>{"/Q", "/S"}, {"/q"}, {"/s"}, {"/S"}}) {
        Launch(args);
        EXPECT_FALSE(started.back());
        EXPECT_EQ(Count(pids.back(), "SendMessageTimeoutA"), 0);
    }
    EXPECT_FALSE(first.Controller()->SettingsWindow().Visible());
}

TEST_F(ProgramTest, ARestartStartWaitsASecondAndBecomesResidentBesideTheFirst) {
    Launch({});
    const std::uint64_t before = desk.scheduler().now();
    Program& second = Launch({"/w"});
    EXPECT_TRUE(started[1]);
    EXPECT_GE(desk.scheduler().now() - before, 1000u);
    EXPECT_TRUE(second.Controller()->Tray().IconVisible()); // any argument shows the icon
    desk.endProcess(pids[0]);
    EXPECT_TRUE(desk.kernel().mutexExists(sjis::kMutexName)) << "the restart holds it";
}

TEST_F(ProgramTest, OfTwoStartsAtTheSameMomentExactlyOneStaysResident) {
    // The second start runs whole just as the first is about to create the
    // mutex, or has created it and not yet looked whether it was new.
    for (const char* call : {"CreateMutexA", "GetLastError"}) {
        SCOPED_TRACE(call);
        const std::size_t first = programs.size();
        desk.beforeNextCall(call, [&] { Launch({}); });
        Launch({});
        ASSERT_EQ(programs.size(), first + 2);
        EXPECT_NE(started[first], started[first + 1]);
        for (std::size_t i = first; i < first + 2; ++i)
            desk.endProcess(pids[i]);
    }
}

TEST_F(ProgramTest, LowerCaseSwitchesArePlainArguments) {
    Program& program = Launch({"/q", "/s"});
    ASSERT_TRUE(started[0]);
    EXPECT_TRUE(program.Controller()->WatchTimer().Enabled()); // not quick
    EXPECT_TRUE(program.Controller()->Tray().IconVisible());   // not silent
}

TEST_F(ProgramTest, QuickModeMovesOnceAndEndsWithoutWritingTheSettings) {
    const Hwnd w = AppWindowAtTop();
    Program& program = Launch({"/Q", "/S"});
    ASSERT_TRUE(started[0]);
    EXPECT_EQ(desk.windows().window(w).rect.top, 30);
    EXPECT_TRUE(program.Controller()->Closed());
    EXPECT_FALSE(program.Controller()->WatchTimer().Enabled());
    EXPECT_FALSE(program.Controller()->Tray().IconVisible());
    EXPECT_EQ(program.Run(), 0);
    EXPECT_FALSE(desk.files().exists(kSettings));
    EXPECT_EQ(Count(pids[0], "EnumWindows"), 1);
}

TEST_F(ProgramTest, TheStartUpDelayOfAPlainStartBlocksBeforeTheFirstPass) {
    desk.files().write(kSettings, "[Config]\r\nWait=10\r\n");
    const Hwnd w = AppWindowAtTop();
    desk.scheduler().at(5000, [&] { EXPECT_EQ(desk.windows().window(w).rect.top, 0); });
    const std::uint64_t before = desk.scheduler().now();
    Launch({});
    EXPECT_GE(desk.scheduler().now() - before, 10000u);
    desk.scheduler().advance(0);
    EXPECT_EQ(desk.windows().window(w).rect.top, 30);
}

TEST_F(ProgramTest, ExitSavesTheSettingsAndEndsTheLoop) {
    Program& program = Launch({});
    program.Controller()->Controls().PPMax.Click();
    program.Controller()->Controls().PPExit.Click();
    EXPECT_TRUE(program.Controller()->Closed());
    EXPECT_EQ(program.Run(), 0);
    const auto saved = desk.files().read(kSettings);
    ASSERT_TRUE(saved.has_value());
    EXPECT_NE(saved->find("Max=1\r\n"), std::string::npos);
}

TEST_F(ProgramTest, ClosingFromOutsideSavesLikeTheExitItem) {
    Program& program = Launch({});
    program.Controller()->Controls().PPDialog.Click();
    const Hwnd target = program.Controller()->Window();
    Platform other = desk.platformFor(desk.addProcess("C:\\Apps\\other.exe"));
    EXPECT_EQ(other.win.SendMessageA(target, wm::QUERYENDSESSION, 0, 0), 1);
    other.win.SendMessageA(target, wm::ENDSESSION, 0, 0); // the session goes on
    EXPECT_FALSE(program.Controller()->Closed());
    other.win.SendMessageA(target, wm::ENDSESSION, 1, 0);
    EXPECT_TRUE(program.Controller()->Closed());
    EXPECT_NE(desk.files().read(kSettings).value_or("").find("Dialog=1\r\n"), std::string::npos);

    Program& second = Launch({"/w"});
    other.win.SendMessageA(second.Controller()->Window(), wm::CLOSE, 0, 0);
    EXPECT_TRUE(second.Controller()->Closed());
    EXPECT_EQ(second.Run(), 0);
}

TEST_F(ProgramTest, AFailedSaveKeepsTheProgramRunningAndTheOldFile) {
    desk.files().write(kSettings, "[Config]\r\nMax=1\r\n");
    Program& program = Launch({});
    desk.files().setReadOnlyFolder("C:\\Velmora\\");
    program.Controller()->Controls().PPExit.Click();
    EXPECT_FALSE(program.Controller()->Closed());
    EXPECT_TRUE(program.Controller()->WatchTimer().Enabled()); // the error hook restarted it
    EXPECT_EQ(desk.files().read(kSettings), std::optional<std::string>("[Config]\r\nMax=1\r\n"));
    EXPECT_THAT(desk.system().takeDebugOutput(), ElementsAre(MatchesRegex(kDeniedSaveTrace)));
}

TEST_F(ProgramTest, ASecondStartDuringTheFirstsStartUpDelayGivesUpAfterAFewSeconds) {
    desk.files().write(kSettings, "[Config]\r\nWait=10\r\nTray=0\r\n");
    const std::uint32_t secondPid = desk.addProcess(kExe);
    std::unique_ptr<Program> second;
    bool secondStarted = true;
    std::uint64_t secondEnded = 0;
    desk.scheduler().at(2000, [&] {
        second = std::make_unique<Program>(desk.platformFor(secondPid), CommandLine{});
        secondStarted = second->Start();
        secondEnded = desk.scheduler().now();
    });
    Program& first = Launch({}); // sleeps ten seconds; the second start comes meanwhile
    ASSERT_TRUE(started[0]);
    EXPECT_FALSE(secondStarted);
    EXPECT_EQ(secondEnded, 2000u + 3000u);
    EXPECT_EQ(desk.scheduler().frozenCalls(), 0u);
    EXPECT_FALSE(first.Controller()->SettingsWindow().Visible());
}

TEST_F(ProgramTest, AnErrorEscapingAControlsHandlerGoesToTheErrorHook) {
    Program& program = Launch({});
    // The slider's change moves the settings window, asking for its rectangle.
    desk.failNextCall("GetWindowRect");
    const std::uint64_t start = desk.scheduler().now();
    program.Controller()->Controls().Slider.SetPosition(5);
    // The error hook pauses the watch cycle a second, on a timer: the
    // handler returns at once.
    EXPECT_EQ(desk.scheduler().now(), start);
    EXPECT_FALSE(program.Controller()->WatchTimer().Enabled());
    desk.scheduler().advance(1000);
    EXPECT_TRUE(program.Controller()->WatchTimer().Enabled());
    EXPECT_EQ(program.Controller()->Controls().LblPosition.Caption(), "5");
    // Raised by the simulated desktop, so the trace names the guard that caught it.
    EXPECT_THAT(desk.system().takeDebugOutput(),
                ElementsAre(MatchesRegex("Velmora: simulated failure of GetWindowRect "
                                         "\\(caught at src/app/[a-z_]+\\.cpp:[0-9]+\\)\n")));
}

// The buttons are wired and guarded: a shortcut that cannot be written
// ends in the error hook and the program keeps watching.
TEST_F(ProgramTest, ShortcutButtonsAskThenWriteAndSurviveAFailure) {
    const char* startup = "C:\\Users\\Taro\\Startup";
    desk.registry().setString(
        hkey::CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
        "Startup", startup);
    desk.files().addFolder(startup);
    Program& program = Launch({});
    MainFormControls& controls = program.Controller()->Controls();

    desk.dialogs().queueMessageBoxAnswer(id_::YES);
    controls.BtnStartUp.Click();
    ASSERT_EQ(desk.dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].owner, program.Controller()->Window());
    const auto link = desk.shellLink("C:\\Users\\Taro\\Startup\\Velmora!.lnk");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->path, kExe);
    EXPECT_EQ(link->workingDirectory, "C:\\");

    desk.system().shellLinkFails = true;
    desk.dialogs().queueMessageBoxAnswer(id_::YES);
    const std::uint64_t start = desk.scheduler().now();
    controls.BtnQuickLaunch.Click(); // no Quick Launch folder: said, nothing to fail
    EXPECT_EQ(desk.scheduler().now(), start);
    desk.dialogs().queueMessageBoxAnswer(id_::YES);
    controls.BtnStartUp.Click();
    EXPECT_EQ(desk.scheduler().now(), start);
    desk.scheduler().advance(1000); // the error hook's pause
    EXPECT_TRUE(program.Controller()->WatchTimer().Enabled());
    EXPECT_EQ(desk.dialogs().messageBoxes().size(), 4u);
    EXPECT_THAT(
        desk.system().takeDebugOutput(),
        ElementsAre(MatchesRegex("Velmora: no shell link object \\(CoCreateInstance failed: "
                                 "HRESULT 0x800401F0 \\(CoInitialize has not been called\\.\\), "
                                 "thrown at src/ui/make_shortcut\\.cpp:[0-9]+\\)\n")));
}

TEST_F(ProgramTest, AnUnsavableExitAsksOnceAndTheEndOfTheSessionClosesRegardless) {
    // A file too large to read is left alone: no call failed.
    const char* kUnreadableSaveTrace =
        "Velmora: settings file cannot be read, left as it is: C:\\\\Velmora\\\\vmr_XP_Taro\\.ini "
        "\\(thrown at src/settings/settings_store\\.cpp:[0-9]+\\)\n";
    enum class Route { ExitItem, CloseMessage, SessionEnd };
    enum class Fault { ReadOnlyFolder, OversizedFile };
    struct Case {
        Route route;
        Fault fault;
        int answer; // 0: nothing queued, the box's default button
        bool closes;
        std::size_t boxes;
    };
    const Case cases[] = {
        {Route::ExitItem, Fault::ReadOnlyFolder, id_::OK, true, 1},
        {Route::ExitItem, Fault::OversizedFile, id_::OK, true, 1},
        {Route::ExitItem, Fault::ReadOnlyFolder, id_::CANCEL, false, 1},
        {Route::ExitItem, Fault::ReadOnlyFolder, 0, false, 1},
        {Route::CloseMessage, Fault::ReadOnlyFolder, id_::OK, true, 1},
        {Route::CloseMessage, Fault::OversizedFile, id_::CANCEL, false, 1},
        {Route::SessionEnd, Fault::ReadOnlyFolder, id_::CANCEL, true, 0},
        {Route::SessionEnd, Fault::OversizedFile, 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        SimDesktop here;
        AddTopTaskbarDesktop(here);
        const std::string old = c.fault == Fault::OversizedFile
                                    ? std::string(kMaxSettingsFileBytes + 1, ';')
                                    : std::string("[Config]\r\nMax=1\r\n");
        here.files().write(kSettings, old);
        Program program(here.platformFor(here.addProcess(kExe)), CommandLine{});
        ASSERT_TRUE(program.Start());
        program.Controller()->Controls().PPDialog.Click();
        if (c.fault == Fault::ReadOnlyFolder)
            here.files().setReadOnlyFolder("C:\\Velmora\\");
        if (c.answer != 0)
            here.dialogs().queueMessageBoxAnswer(c.answer);
        const Hwnd window = program.Controller()->Window();
        Platform other = here.platformFor(here.addProcess("C:\\Apps\\other.exe"));
        if (c.route == Route::ExitItem)
            program.Controller()->Controls().PPExit.Click();
        else if (c.route == Route::CloseMessage)
            other.win.SendMessageA(window, wm::CLOSE, 0, 0);
        else
            other.win.SendMessageA(window, wm::ENDSESSION, 1, 0);

        EXPECT_EQ(program.Controller()->Closed(), c.closes);
        EXPECT_EQ(program.Controller()->WatchTimer().Enabled(), !c.closes);
        EXPECT_EQ(here.files().read(kSettings), std::optional<std::string>(old));
        ASSERT_EQ(here.dialogs().messageBoxes().size(), c.boxes);
        if (c.boxes != 0) {
            const sim::MessageBoxRecord& box = here.dialogs().messageBoxes()[0];
            EXPECT_EQ(box.owner, window) << "owned by the settings window";
            EXPECT_NE(box.text.find(kSettings), std::string::npos) << "says where the file is";
            EXPECT_NE(box.text.find(
                          vm::Text(vm::Language::Japanese, vm::TextId::SaveFailedQuestion).ansi),
                      std::string::npos);
            EXPECT_EQ(box.type, mb::OKCANCEL | mb::ICONWARNING | mb::DEFBUTTON2);
        }
        // The failed save leaves its trace, at the end of the session too.
        EXPECT_THAT(
            here.system().takeDebugOutput(),
            ElementsAre(MatchesRegex(c.fault == Fault::ReadOnlyFolder ? kDeniedSaveTrace
                                                                      : kUnreadableSaveTrace)));
    }
}

TEST_F(ProgramTest, HostileCopyDataIsIgnored) {
    desk.files().write(kSettings, "[Config]\r\nTray=0\r\n");
    Program& program = Launch({});
    const Hwnd target = program.Controller()->Window();
    const std::uint32_t stranger = desk.addProcess("C:\\Apps\\stranger.exe");
    Platform p = desk.platformFor(stranger);
    std::string big(1 << 20, 'x');
    const std::string shows[] = {std::string("/Show ", 6), std::string("/show\0", 6), big};
    p.win.SendMessageA(target, wm::COPYDATA, 0, 0);
    for (const std::string& text : shows) {
        CopyDataStruct data{0, static_cast<std::uint32_t>(text.size()), text.data()};
        p.win.SendMessageA(target, wm::COPYDATA, 0, reinterpret_cast<std::intptr_t>(&data));
    }
    CopyDataStruct empty{0, 0, nullptr};
    p.win.SendMessageA(target, wm::COPYDATA, 0, reinterpret_cast<std::intptr_t>(&empty));
    EXPECT_FALSE(program.Controller()->SettingsWindow().Visible());
    desk.scheduler().advance(250);
    EXPECT_TRUE(program.Controller()->WatchTimer().Enabled());
}

} // namespace
} // namespace vm

namespace vm {
namespace {

// The application window owns the settings window: closing it (Alt+F4 on it
// while it shows, another program's WM_CLOSE) is a close of the program, as
// closing the main window is, never the default destruction that would take
// the settings window and the timer with it and leave the process blind.
TEST_F(ProgramTest, ClosingTheApplicationWindowClosesTheProgramAndSavesItsSettings) {
    struct Case {
        const char* name;
        std::uint32_t msg;
        std::uintptr_t wParam;
    };
    const Case cases[] = {
        {"WM_CLOSE from another program", wm::CLOSE, 0},
        {"Alt+F4 on it", wm::SYSCOMMAND, sc::CLOSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop here;
        AddTopTaskbarDesktop(here);
        Program program(here.platformFor(here.addProcess(kExe)), CommandLine{});
        ASSERT_TRUE(program.Start());
        program.Controller()->Controls().PPDialog.Click();
        const Hwnd form = program.Controller()->Window();
        Platform other = here.platformFor(here.addProcess("C:\\Apps\\other.exe"));
        other.win.SendMessageA(program.AppWindow(), c.msg, c.wParam, 0);
        EXPECT_TRUE(program.Controller()->Closed());
        EXPECT_TRUE(here.windows().exists(form)) << "the settings window lives until the loop ends";
        EXPECT_FALSE(program.Controller()->WatchTimer().Enabled());
        EXPECT_NE(here.files().read(kSettings).value_or("").find("Dialog=1\r\n"),
                  std::string::npos);
        EXPECT_EQ(program.Run(), 0);
    }
}

// A pass waits for other programs while it swaps a title; what they send
// meanwhile (a hand-over, a close, the end of the session) is handled once
// the pass has ended, never inside it.
TEST_F(ProgramTest, MessagesSentDuringATitleSwapWaitUntilThePassHasEnded) {
    enum class Effect { Closes, OpensSettings };
    struct Case {
        const char* name;
        bool toAppWindow;
        std::uint32_t msg;
        std::uintptr_t wParam;
        Effect effect;
        bool savedAtOnce; // the end of the session may end the process right after
    };
    const Case cases[] = {
        {"WM_CLOSE", false, wm::CLOSE, 0, Effect::Closes, false},
        {"WM_CLOSE to the application window", true, wm::CLOSE, 0, Effect::Closes, false},
        {"the end of the session", false, wm::ENDSESSION, 1, Effect::Closes, true},
        {"Alt+F4 on the hidden window", false, wm::SYSCOMMAND, sc::CLOSE, Effect::Closes, false},
        {"the hand-over", false, wm::COPYDATA, 0, Effect::OpensSettings, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop here;
        AddTopTaskbarDesktop(here);
        here.files().write(kSettings, "[Config]\r\nTray=0\r\nCaption=1\r\nTitle=moving\r\n");
        const std::uint32_t ownPid = here.addProcess(kExe);
        Program program(here.platformFor(ownPid), CommandLine{});
        Platform other = here.platformFor(here.addProcess("C:\\Apps\\other.exe"));
        bool sent = false;
        bool handledInside = true;
        bool savedInside = false;
        // Its window is at the top: the first pass swaps its title, and the
        // program asks that it take the moving title.
        other.win.CreateProgramWindow(
            {.className = "Victim",
             .title = "victim",
             .style = ws::OVERLAPPEDWINDOW | ws::VISIBLE,
             .x = 100,
             .width = 400,
             .height = 300,
             .proc = [&](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) -> MsgResult {
                 if (msg != wm::SETTEXT || sent)
                     return std::nullopt;
                 sent = true;
                 ProgramController& form = *program.Controller();
                 const Hwnd target = c.toAppWindow ? program.AppWindow() : form.Window();
                 char show[] = "/Show";
                 CopyDataStruct record{.dwData = 0, .cbData = 5, .lpData = show};
                 other.win.SendMessageA(
                     target, c.msg, c.wParam,
                     c.msg == wm::COPYDATA ? reinterpret_cast<std::intptr_t>(&record) : 0);
                 show[0] = 'x'; // the sender's buffer is its own again
                 handledInside = form.Closed() || form.SettingsWindow().Visible();
                 savedInside = here.files().exists(kSettings) &&
                               here.files().read(kSettings)->find("Enable=") != std::string::npos;
                 return std::nullopt;
             }});
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(sent);
        EXPECT_FALSE(handledInside);
        EXPECT_EQ(savedInside, c.savedAtOnce);
        here.scheduler().advance(10);
        ProgramController& form = *program.Controller();
        if (c.effect == Effect::Closes) {
            EXPECT_TRUE(form.Closed());
            EXPECT_FALSE(form.WatchTimer().Enabled()) << "no tick after the close";
        } else {
            EXPECT_FALSE(form.Closed());
            EXPECT_TRUE(form.SettingsWindow().Visible());
        }
    }
}

} // namespace
} // namespace vm
