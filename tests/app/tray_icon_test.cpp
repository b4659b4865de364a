// The tray icon, its menu and the tray images of a running program on the
// simulated desktop, as the shell's notification area sees them.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/program.h"
#include "app_test.h"
#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"
#include "translations/ui_texts.h"

namespace vm {
namespace {

using sim::SimDesktop;

constexpr char kNormal[] = "resource:100";
constexpr char kMoving[] = "resource:101";
constexpr char kStopped[] = "resource:102";
// An icon directory with one entry: what makes a file an icon file.
const std::string kIconBytes = std::string("\0\0\1\0\1\0", 6) + std::string(16, '\x20');

class TrayIconTest : public AppTest {
protected:
    TrayIconTest() { monitor = AddTopTaskbarDesktop(desk); }

    Program& Launch(std::vector<std::string> args = {}, const std::string& settings = "") {
        if (!settings.empty())
            desk.files().write(kSettings, settings);
        return AppTest::Launch(std::move(args));
    }
    MainFormControls& Controls() { return program->Controller()->Controls(); }
    // The one icon of the notification area.
    const sim::SimNotifyIcon& Icon() {
        EXPECT_EQ(desk.shellObjects().notifyIcons().size(), 1u);
        return desk.shellObjects().notifyIcons().at(0);
    }
    void Click(std::uint32_t mouseMessage) {
        desk.clickNotifyIcon(0, mouseMessage);
        desk.scheduler().advance(10);
    }
    std::vector<std::string> Captions(const sim::SimTrackedMenu& menu) {
        std::vector<std::string> captions;
        for (const auto& item : menu.items)
            captions.push_back((item.flags & mf::SEPARATOR) ? "-" : item.text);
        return captions;
    }
    std::uint32_t FlagsOf(const sim::SimTrackedMenu& menu, const char* caption) {
        for (const auto& item : menu.items) {
            if (item.text == caption)
                return item.flags;
        }
        ADD_FAILURE() << "no item " << caption;
        return 0;
    }
    HMonitor monitor;
    std::vector<std::string> NotifyCalls() {
        std::vector<std::string> calls;
        for (const auto& call : desk.calls()) {
            if (call.pid == pid && (call.name == "Shell_NotifyIconW" || call.name == "MessageBoxW"))
                calls.push_back(call.name + ":" + call.args.substr(0, call.args.find(',')));
        }
        return calls;
    }
};

TEST_F(TrayIconTest, TheStartDecidesWhetherTheIconIsShown) {
    struct Row {
        std::vector<std::string> args;
        std::string settings;
        bool shown;
    };
    const std::vector<Row> rows{
        {{}, "", true},
        {{}, "[Config]\r\nTray=0\r\n", false},
        {{"/w"}, "[Config]\r\nTray=0\r\n", true},
        {{"/Q", "/S"}, "", false},
        {{"x", "/S"}, "", false},
    };
    for (const Row& row : rows) {
        SimDesktop& d = desk;
        Launch(row.args, row.settings);
        EXPECT_EQ(d.shellObjects().notifyIcons().size(), row.shown ? 1u : 0u) << row.args.size();
        if (row.shown) {
            EXPECT_EQ(Icon().tip, vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled).ansi);
            EXPECT_EQ(Icon().image, kNormal);
            EXPECT_EQ(Icon().callbackMessage, 0x0800u);
        }
        const std::vector<std::string> calls = NotifyCalls();
        if (row.args.size() == 2 && row.args[1] == "/S") {
            EXPECT_EQ(std::count(calls.begin(), calls.end(), "Shell_NotifyIconW:0"), 0);
        }
        // Every call sends the one record: 936 bytes, message, icon and tip.
        for (const auto& call : d.calls()) {
            if (call.pid == pid && call.name == "Shell_NotifyIconW") {
                EXPECT_EQ(call.args.substr(call.args.find(',') + 1, 4), "936,");
            }
        }
        program->Controller()->Close();
        program->Run();
        d.endProcess(pid);
        programs.back().reset();
        d.clearCalls();
    }
}

TEST_F(TrayIconTest, DoubleClickSwitchesWatchingAndTheNextTickRunsAFullPass) {
    Launch();
    Click(wm::LBUTTONDBLCLK);
    EXPECT_FALSE(Controls().PPEnabled.Checked());
    EXPECT_EQ(Icon().tip, vm::Text(vm::Language::Japanese, vm::TextId::HintDisabled).ansi);
    EXPECT_EQ(Icon().image, kStopped);
    const Hwnd window = desk.addWindow({.className = "App", .title = "app"});
    desk.scheduler().advance(500);
    EXPECT_EQ(desk.windows().window(window).rect.top, 0); // not watching
    Click(wm::LBUTTONDBLCLK);
    EXPECT_EQ(Icon().tip, vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled).ansi);
    EXPECT_EQ(Icon().image, kNormal);
    desk.scheduler().advance(250);
    EXPECT_EQ(desk.windows().window(window).rect.top, 30);
}

TEST_F(TrayIconTest, OnlyTheRightPressAndTheLeftDoubleClickAct) {
    Launch();
    for (const std::uint32_t message : {wm::MOUSEMOVE, wm::LBUTTONDOWN, wm::LBUTTONUP,
                                        wm::RBUTTONUP, wm::MBUTTONDOWN, 0x7B0u, 0x400u})
        Click(message);
    // A callback for an icon the program does not have.
    Platform other = desk.platformFor(desk.addProcess("C:\\Apps\\other.exe"));
    other.win.PostMessageA(Icon().window, 0x0800, Icon().id + 7, wm::RBUTTONDOWN);
    other.win.PostMessageA(Icon().window, 0x0800, Icon().id + 7, wm::LBUTTONDBLCLK);
    desk.scheduler().advance(10);
    EXPECT_TRUE(desk.shellObjects().trackedMenus().empty());
    EXPECT_TRUE(Controls().PPEnabled.Checked());
    EXPECT_EQ(Icon().tip, vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled).ansi);
    // While the settings window is open the icon is deaf; its button still
    // opens the menu, without the settings item.
    Controls().PPConfig.Click();
    EXPECT_EQ(desk.windows().foreground(), program->Controller()->Window());
    Click(wm::RBUTTONDOWN);
    Click(wm::LBUTTONDBLCLK);
    EXPECT_TRUE(desk.shellObjects().trackedMenus().empty());
    EXPECT_TRUE(Controls().PPEnabled.Checked());
    Controls().BtnRMenu.Click();
    ASSERT_EQ(desk.shellObjects().trackedMenus().size(), 1u);
    EXPECT_NE(FlagsOf(desk.shellObjects().trackedMenus()[0],
                      vm::Text(vm::Language::Japanese, vm::TextId::MenuConfig).ansi) &
                  mf::GRAYED,
              0u);
}

TEST_F(TrayIconTest, TheMenuIsBuiltFromTheItemsEachTimeItOpens) {
    Launch();
    desk.system().cursor = {700, 12};
    desk.shellObjects().chooseMenuItem(vm::Text(vm::Language::Japanese, vm::TextId::MenuMax).ansi);
    Click(wm::RBUTTONDOWN);
    Click(wm::RBUTTONDOWN);
    ASSERT_EQ(desk.shellObjects().trackedMenus().size(), 2u);
    const sim::SimTrackedMenu& first = desk.shellObjects().trackedMenus()[0];
    EXPECT_EQ(Captions(first),
              (std::vector<std::string>{
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuHide).ansi, "-",
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuEnabled).ansi,
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuMax).ansi,
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuRestore).ansi,
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuReSize).ansi,
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuHideOn).ansi,
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuDialog).ansi,
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuActive).ansi, "-",
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuConfig).ansi, "-",
                  vm::Text(vm::Language::Japanese, vm::TextId::MenuExit).ansi}));
    EXPECT_EQ(first.at, (Point{700, 12}));
    EXPECT_EQ(first.owner, Icon().window);
    EXPECT_EQ(first.flags, tpm::RIGHTBUTTON | tpm::RETURNCMD);
    EXPECT_EQ(FlagsOf(first, vm::Text(vm::Language::Japanese, vm::TextId::MenuEnabled).ansi),
              mf::CHECKED);
    EXPECT_EQ(FlagsOf(first, vm::Text(vm::Language::Japanese, vm::TextId::MenuRestore).ansi),
              mf::GRAYED); // PPMax not checked yet
    EXPECT_EQ(FlagsOf(first, vm::Text(vm::Language::Japanese, vm::TextId::MenuHideOn).ansi),
              mf::GRAYED); // the taskbar stays
    EXPECT_EQ(FlagsOf(first, vm::Text(vm::Language::Japanese, vm::TextId::MenuConfig).ansi), 0u);
    // Choosing the toggle flipped it; the next pass offers the restore item.
    EXPECT_TRUE(Controls().PPMax.Checked());
    desk.addWindow({.className = "App", .title = "app"});
    desk.scheduler().advance(250);
    Click(wm::RBUTTONDOWN);
    EXPECT_EQ(FlagsOf(desk.shellObjects().trackedMenus()[2],
                      vm::Text(vm::Language::Japanese, vm::TextId::MenuMax).ansi),
              mf::CHECKED);
    EXPECT_EQ(FlagsOf(desk.shellObjects().trackedMenus()[2],
                      vm::Text(vm::Language::Japanese, vm::TextId::MenuRestore).ansi),
              0u);
    EXPECT_EQ(desk.shellObjects().liveMenus(pid), 0u);
    // The foreground steps before the menu, the WM_NULL after it.
    std::vector<std::string> order;
    for (const auto& call : desk.calls()) {
        if (call.pid == pid && (call.name == "SetForegroundWindow" ||
                                call.name == "TrackPopupMenu" || call.name == "PostMessageA"))
            order.push_back(call.name);
    }
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(order.end() - 4, order.end()),
              (std::vector<std::string>{"SetForegroundWindow", "SetForegroundWindow",
                                        "TrackPopupMenu", "PostMessageA"}));
}

TEST_F(TrayIconTest, WhileTheTaskbarIsElsewhereOnlyExitRemainsAndTheIconIsForced) {
    Launch({}, "[Config]\r\nTray=0\r\n");
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty());
    desk.setTaskbar({.edge = abe::BOTTOM, .rect = {0, 738, 1024, 768}});
    desk.addWindow({.className = "App", .title = "app"}); // a change starts a full pass
    desk.scheduler().advance(250);
    EXPECT_EQ(Icon().tip, vm::Text(vm::Language::Japanese, vm::TextId::HintDisabled).ansi);
    EXPECT_EQ(Icon().image, kStopped);
    // A change of scale builds the images again: still the stopped one.
    desk.setMonitorDpi(monitor, 144);
    EXPECT_EQ(Icon().image, std::string(kStopped) + "@48");
    desk.setMonitorDpi(monitor, 96);
    EXPECT_EQ(Icon().image, kStopped);
    Click(wm::LBUTTONDBLCLK); // PPEnabled is hidden: nothing to switch
    EXPECT_TRUE(Controls().PPEnabled.Checked());
    Click(wm::RBUTTONDOWN);
    ASSERT_EQ(desk.shellObjects().trackedMenus().size(), 1u);
    EXPECT_EQ(
        Captions(desk.shellObjects().trackedMenus()[0]),
        (std::vector<std::string>{vm::Text(vm::Language::Japanese, vm::TextId::MenuExit).ansi}));
    desk.setTaskbar({.edge = abe::TOP, .rect = {0, 0, 1024, 30}, .autoHide = true});
    desk.addWindow({.className = "App", .title = "app 2"});
    desk.scheduler().advance(250);
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty()); // back to the Tray setting
    Controls().BtnRMenu.Click();
    ASSERT_EQ(desk.shellObjects().trackedMenus().size(), 2u);
    EXPECT_EQ(FlagsOf(desk.shellObjects().trackedMenus()[1],
                      vm::Text(vm::Language::Japanese, vm::TextId::MenuMax).ansi),
              mf::GRAYED);
    EXPECT_EQ(FlagsOf(desk.shellObjects().trackedMenus()[1],
                      vm::Text(vm::Language::Japanese, vm::TextId::MenuHideOn).ansi),
              0u);
    EXPECT_EQ(program->Controller()->Tray().Hint(),
              vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled).ansi);
}

TEST_F(TrayIconTest, ExitFromTheMenuRemovesTheIconAndEndsTheProgram) {
    Launch();
    desk.shellObjects().chooseMenuItem(vm::Text(vm::Language::Japanese, vm::TextId::MenuExit).ansi);
    Click(wm::RBUTTONDOWN);
    EXPECT_TRUE(program->Controller()->Closed());
    EXPECT_EQ(program->Run(), 0);
    programs.back().reset();
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty());
    EXPECT_EQ(desk.shellObjects().liveIcons(pid), 0u);
    EXPECT_TRUE(desk.files().exists(kSettings));
}

TEST_F(TrayIconTest, ANewTaskbarGetsTheShownIconBackWithItsImageAndTip) {
    for (const bool shown : {true, false}) {
        Launch({}, shown ? "" : "[Config]\r\nTray=0\r\n");
        if (shown)
            Click(wm::LBUTTONDBLCLK);
        desk.destroyWindow(desk.shellObjects().taskbar());
        desk.addTaskbar();
        desk.scheduler().advance(10);
        ASSERT_EQ(desk.shellObjects().notifyIcons().size(), shown ? 1u : 0u);
        if (shown) {
            EXPECT_EQ(Icon().tip, vm::Text(vm::Language::Japanese, vm::TextId::HintDisabled).ansi);
            EXPECT_EQ(Icon().image, kStopped);
        }
        programs.back().reset();
        desk.endProcess(pid);
    }
    // Common controls older than 4.71: no re-adding.
    desk.system().commonControlsVersion = {4, 70};
    Launch();
    desk.destroyWindow(desk.shellObjects().taskbar());
    desk.addTaskbar();
    desk.scheduler().advance(10);
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty());
}

TEST_F(TrayIconTest, TheTrayImagesComeFromChosenIconFilesOrTheBuiltInOnes) {
    desk.files().write("C:\\Icons\\stop.ico", kIconBytes);
    desk.files().write("C:\\Icons\\text.ico", "not an icon");
    Launch({}, "[Config]\r\nIcon0=C:\\Icons\\gone.ico\r\nIcon1=C:\\Icons\\text.ico\r\n"
               "Icon2=C:\\Icons\\stop.ico\r\n");
    const TrayImages& images = program->Controller()->Images();
    EXPECT_EQ(desk.shellObjects().iconImage(images.Image(IconState::Normal)), kNormal);
    EXPECT_EQ(desk.shellObjects().iconImage(images.Image(IconState::Moving)), kMoving);
    EXPECT_EQ(desk.shellObjects().iconImage(images.Image(IconState::Stopped)),
              "C:\\Icons\\stop.ico");
    EXPECT_EQ(Icon().image, kNormal); // watching: the chosen stopped image waits
    Click(wm::LBUTTONDBLCLK);
    EXPECT_EQ(Icon().image, "C:\\Icons\\stop.ico");
    Controls().BtnDefult[2].Click();
    EXPECT_EQ(Icon().image, kStopped);
    EXPECT_EQ(Controls().CustomIconPaths[0], "C:\\Icons\\gone.ico"); // kept

    // Rebuilding never leaks: the three built-in images, the three in use
    // and the tray's own copies of the two it has shown.
    Controls().CustomIconPaths[2] = "C:\\Icons\\stop.ico";
    const std::size_t live = desk.shellObjects().liveIcons(pid);
    EXPECT_EQ(live, 8u);
    desk.setCallLog(false);
    for (int i = 0; i < 1000; ++i)
        Controls().BtnCancel.Click();
    EXPECT_EQ(desk.shellObjects().liveIcons(pid), live);
}

TEST_F(TrayIconTest, AChosenIconFileReplacesTheButtonsGlyphAndLaterTheTrayImage) {
    desk.files().write("C:\\Icons\\stop.ico", kIconBytes);
    Launch();
    Button& stopped = Controls().BtnCustom[2];
    const auto glyphOf = [](Button& button) {
        const HIcon glyph = button.SetGlyph(0);
        button.SetGlyph(glyph);
        return glyph;
    };
    EXPECT_EQ(desk.shellObjects().iconImage(glyphOf(stopped)), kStopped);
    desk.dialogs().answerOpenFileName(std::nullopt); // cancelled: nothing changes
    stopped.Click();
    EXPECT_EQ(Controls().CustomIconPaths[2], "");
    desk.dialogs().answerOpenFileName("C:\\Icons\\stop.ico");
    stopped.Click();
    ASSERT_EQ(desk.dialogs().fileDialogs().size(), 2u);
    const sim::FileDialogRecord& dialog = desk.dialogs().fileDialogs()[1];
    EXPECT_EQ(dialog.owner, program->Controller()->Window());
    EXPECT_EQ(dialog.title, vm::Text(vm::Language::Japanese, vm::TextId::IconDialogTitle).ansi);
    EXPECT_EQ(dialog.filter, std::string("\x83\x41\x83\x43\x83\x52\x83\x93 (*.ico)\0*.ico", 22));
    EXPECT_EQ(dialog.flags &
                  (ofn::FILEMUSTEXIST | ofn::PATHMUSTEXIST | ofn::HIDEREADONLY | ofn::ENABLESIZING),
              ofn::FILEMUSTEXIST | ofn::PATHMUSTEXIST | ofn::HIDEREADONLY | ofn::ENABLESIZING);
    EXPECT_EQ(Controls().CustomIconPaths[2], "C:\\Icons\\stop.ico");
    EXPECT_EQ(desk.shellObjects().iconImage(glyphOf(stopped)), "C:\\Icons\\stop.ico");
    EXPECT_EQ(desk.shellObjects().iconImage(glyphOf(Controls().BtnCustom[0])), kNormal);
    EXPECT_EQ(Icon().image, kNormal); // watching: the stopped image waits
}

TEST_F(TrayIconTest, SwitchingTheIconOffTellsTheUserFirst) {
    Launch();
    Controls().PPConfig.Click();
    desk.clearCalls();
    Controls().CHKTray.SetChecked(false);
    EXPECT_EQ(NotifyCalls(),
              (std::vector<std::string>{"Shell_NotifyIconW:0",
                                        "MessageBoxW:" +
                                            std::to_string(program->Controller()->Window().Value()),
                                        "Shell_NotifyIconW:2"}));
    ASSERT_EQ(desk.dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].text,
              vm::Text(vm::Language::Japanese, vm::TextId::TrayOffMessage).ansi);
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].caption, "Velmora!");
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].type, 0x00040040u);
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty());
    Controls().CHKTray.SetChecked(true);
    EXPECT_EQ(desk.shellObjects().notifyIcons().size(), 1u);
    EXPECT_EQ(desk.dialogs().messageBoxes().size(), 1u);
}

TEST_F(TrayIconTest, AFirstRunAndTheFirstSuspensionOfASessionEachShowOneBalloon) {
    const auto text = [](TextId id) { return vm::Text(vm::Language::Japanese, id); };
    // Quick mode never writes the file, so it never tells.
    Launch({"/Q"});
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty() || Icon().balloons.empty());
    program->Run();
    desk.endProcess(pid);
    programs.back().reset();

    Launch();
    ASSERT_EQ(Icon().balloons.size(), 1u);
    EXPECT_EQ(Icon().balloons[0].title, text(TextId::BalloonFirstRunTitle).wide);
    EXPECT_EQ(Icon().balloons[0].text, text(TextId::BalloonFirstRunText).wide);
    EXPECT_EQ(Icon().balloons[0].infoFlags, 1u); // NIIF_INFO
    for (int round = 0; round < 2; ++round) {
        desk.setTaskbar({.edge = abe::BOTTOM, .rect = {0, 738, 1024, 768}});
        desk.scheduler().advance(500);
        desk.setTaskbar({.edge = abe::TOP, .rect = {0, 0, 1024, 30}});
        desk.scheduler().advance(500);
    }
    ASSERT_EQ(Icon().balloons.size(), 2u) << "suspended twice, told once";
    EXPECT_EQ(Icon().balloons[1].title, text(TextId::BalloonSuspendedTitle).wide);
    EXPECT_EQ(Icon().balloons[1].text, text(TextId::BalloonSuspendedText).wide);

    // The exit writes the file: the next start says nothing.
    Controls().PPExit.Click();
    program->Run();
    desk.endProcess(pid);
    programs.back().reset();
    ASSERT_TRUE(desk.files().exists(kSettings));
    Launch();
    EXPECT_TRUE(Icon().balloons.empty());

    // A folder that cannot keep the settings (a read-only stick): every
    // start says so once, naming the folder, and leaves nothing behind.
    for (int start = 0; start < 2; ++start) {
        programs.back().reset();
        desk.endProcess(pid);
        desk.files().remove(kSettings);
        desk.files().setReadOnlyFolder("C:\\Velmora\\");
        Launch();
        ASSERT_EQ(Icon().balloons.size(), 1u);
        EXPECT_EQ(Icon().balloons[0].title, text(TextId::BalloonFirstRunTitle).wide);
        EXPECT_EQ(Icon().balloons[0].text,
                  std::u16string(text(TextId::BalloonNotKeptText).wide) + u"\nC:\\Velmora\\");
        EXPECT_TRUE(desk.files().list().empty());
    }
}

TEST_F(TrayIconTest, AnAddTheShellRefusesIsTriedAgainAndTheHandOverGoesByTheRealIcon) {
    desk.files().write(kSettings, "[Config]\r\nPlay=0\r\n");
    desk.shellObjects().setNotifyAreaRefuses(true);
    Program& first = Launch();
    ProgramController& form = *first.Controller();
    EXPECT_TRUE(form.Tray().IconVisible());
    EXPECT_FALSE(form.Tray().IconShown());
    // No icon to reach the settings by: a second plain start opens them.
    Launch();
    EXPECT_TRUE(form.SettingsWindow().Visible());
    form.Controls().BtnCancel.Click();

    desk.scheduler().advance(30000);
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty());
    desk.shellObjects().setNotifyAreaRefuses(false);
    desk.scheduler().advance(2000);
    ASSERT_EQ(desk.shellObjects().notifyIcons().size(), 1u);
    EXPECT_EQ(Icon().tip, vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled).ansi);
    EXPECT_EQ(Icon().image, kNormal);
    EXPECT_TRUE(form.Tray().IconShown());
    Launch();
    EXPECT_FALSE(form.SettingsWindow().Visible());

    // A shell that stays away longer than a minute: the retries stop, and
    // the shell's "TaskbarCreated" brings the icon when it comes.
    desk.destroyWindow(desk.shellObjects().taskbar());
    form.Tray().SetHint(vm::Text(vm::Language::Japanese, vm::TextId::HintEnabled));
    EXPECT_FALSE(form.Tray().IconShown());
    desk.addTaskbar();
    desk.shellObjects().setNotifyAreaRefuses(true);
    desk.scheduler().advance(61000);
    desk.shellObjects().setNotifyAreaRefuses(false);
    desk.scheduler().advance(10000);
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty());
    desk.destroyWindow(desk.shellObjects().taskbar());
    desk.addTaskbar();
    desk.scheduler().advance(10);
    EXPECT_EQ(desk.shellObjects().notifyIcons().size(), 1u);
    EXPECT_TRUE(form.Tray().IconShown());

    // A shell that restarts and refuses the first add of its
    // "TaskbarCreated": retried as a first add, and meanwhile a second start
    // opens the settings.
    desk.destroyWindow(desk.shellObjects().taskbar());
    desk.shellObjects().setNotifyAreaRefuses(true);
    desk.addTaskbar();
    desk.scheduler().advance(10);
    EXPECT_FALSE(form.Tray().IconShown());
    Launch();
    EXPECT_TRUE(form.SettingsWindow().Visible());
    form.Controls().BtnCancel.Click();
    desk.shellObjects().setNotifyAreaRefuses(false);
    desk.scheduler().advance(2000);
    EXPECT_EQ(desk.shellObjects().notifyIcons().size(), 1u);
    EXPECT_TRUE(form.Tray().IconShown());
}

TEST_F(TrayIconTest, AMenuOpenedFromTheKeyboardOpensAtTheIconAndHandsTheFocusBack) {
    const auto lastMenu = [this] { return desk.shellObjects().trackedMenus().back(); };
    Launch();
    // Before Windows 7 the shell cannot say where the icon is: at the pointer.
    desk.system().cursor = {500, 500};
    Click(wm::RBUTTONDOWN);
    EXPECT_EQ(lastMenu().at, (Point{500, 500}));
    EXPECT_EQ(Icon().focusReturns, 0);

    desk.shellObjects().setNotifyIconRects(true); // the icon at (1004, 7)-(1020, 23)
    Click(wm::RBUTTONDOWN);
    EXPECT_EQ(lastMenu().at, (Point{1004, 23})) << "below the icon of a top bar";
    EXPECT_EQ(lastMenu().flags & tpm::BOTTOMALIGN, 0u);
    EXPECT_EQ(Icon().focusReturns, 1) << "closed without a choice";
    desk.shellObjects().chooseMenuItem(
        vm::Text(vm::Language::Japanese, vm::TextId::MenuDialog).ansi);
    Click(wm::RBUTTONDOWN);
    EXPECT_TRUE(Controls().PPDialog.Checked());
    EXPECT_EQ(Icon().focusReturns, 1);
    // The mouse on the icon: at the pointer, as ever.
    desk.system().cursor = {1010, 15};
    Click(wm::RBUTTONDOWN);
    EXPECT_EQ(lastMenu().at, (Point{1010, 15}));
    EXPECT_EQ(Icon().focusReturns, 1);

    desk.system().cursor = {500, 500};
    desk.setTaskbar({.edge = abe::BOTTOM, .rect = {0, 738, 1024, 768}});
    desk.scheduler().advance(500);
    Click(wm::RBUTTONDOWN);
    EXPECT_EQ(lastMenu().at, (Point{1004, 745})) << "above the icon of a bottom bar";
    EXPECT_NE(lastMenu().flags & tpm::BOTTOMALIGN, 0u);
    EXPECT_EQ(Icon().focusReturns, 2);
}

} // namespace
} // namespace vm
