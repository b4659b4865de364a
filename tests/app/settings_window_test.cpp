// The settings window on the simulated desktop: opening and placing it, its
// controls as child windows, OK, Cancel, the ignore list and the keyboard.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "app/program.h"
#include "app_test.h"
#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"
#include "translations/ui_texts.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;
using ::testing::ElementsAre;
using ::testing::MatchesRegex;

class SettingsWindowTest : public AppTest {
protected:
    // On the usual desktop, unless a test builds its own first.
    void Start(const std::string& settings = "[Config]\r\nTray=0\r\n", bool defaultDesk = true) {
        if (defaultDesk)
            AddTopTaskbarDesktop(desk);
        desk.files().write(kSettings, settings);
        Launch();
        ASSERT_TRUE(started.back());
    }
    ProgramController& Form() { return *program->Controller(); }
    MainFormControls& C() { return Form().Controls(); }
    Rect WindowRect() { return desk.windows().window(Form().Window()).rect; }
    bool Shown() { return desk.windows().window(Form().Window()).visible(); }
    std::string File() { return desk.files().read(kSettings).value_or(""); }
    // A second plain start hands "/Show" over and ends.
    void SecondStart() {
        Program second(desk.platformFor(desk.addProcess(kExe)),
                       CommandLine(std::vector<std::string>{}));
        EXPECT_FALSE(second.Start());
    }
};

TEST_F(SettingsWindowTest, OpensCentredOnTheTaskbarsMonitorBelowTheBarWithItsControls) {
    Start("[Config]\r\nTray=0\r\nPosition=7\r\n");
    ASSERT_FALSE(Shown());
    SecondStart();
    ASSERT_TRUE(Shown());
    EXPECT_FALSE(Form().Tray().Enabled());
    // Centred across the monitor, the top edge on the watch line.
    EXPECT_EQ(WindowRect(), (Rect{196, 37, 196 + 632, 37 + 469}));
    EXPECT_EQ(desk.windows().focus(), C().Slider.Window());
    const sim::SimWindow& w = desk.windows().window(Form().Window());
    EXPECT_EQ(w.className, "TMainForm");
    EXPECT_EQ(w.titleA(), vm::Text(vm::Language::Japanese, vm::TextId::MainFormCaption).ansi);
    EXPECT_NE(w.exStyle & ws_ex::TOPMOST, 0u);
    EXPECT_EQ(w.style & (ws::CAPTION | ws::THICKFRAME), 0u);

    // Every control is a child window at its place, with its font.
    struct Place {
        const Control* control;
        Rect rect;
        int fontHeight;
        bool bold;
    };
    const Place places[] = {
        {&C().TextCap, {0, 0, 632, 23}, 19, true},
        {&C().GroupBox1, {10, 33, 325, 213}, 13, true},
        {&C().ListBoxDisable, {20, 53, 300, 108}, 13, false},
        {&C().Slider, {345, 53, 385, 208}, 13, false},
        {&C().LblBottom, {410, 103, 440, 130}, 27, true},
        {&C().TxtCap, {20, 258, 436, 279}, 13, false},
        {&C().TXTTrans, {184, 351, 219, 372}, 13, false},
        {&C().BtnCustom[2], {545, 223, 605, 283}, 13, false},
        {&C().TXTWait, {480, 338, 510, 359}, 13, false},
        {&C().CHKTray, {16, 393, 226, 410}, 13, false},
        {&C().BtnOK, {461, 413, 536, 443}, 13, false},
        {&C().BtnCancel, {546, 413, 621, 443}, 13, false},
    };
    for (const Place& p : places) {
        const sim::SimWindow& child = desk.windows().window(p.control->Window());
        EXPECT_EQ(child.parent, Form().Window()) << p.control->Name();
        EXPECT_EQ(child.rect, p.rect) << p.control->Name();
        const LogFontA* font = desk.gdi().font(child.control.font);
        ASSERT_NE(font, nullptr) << p.control->Name();
        EXPECT_EQ(font->lfHeight, -p.fontHeight) << p.control->Name();
        EXPECT_EQ(font->lfWeight, p.bold ? 700 : 400) << p.control->Name();
        EXPECT_EQ(font->lfCharSet, 128) << p.control->Name();
    }
    // The reset buttons show the built-in tray images.
    for (int i = 0; i < 3; ++i) {
        const HIcon glyph = desk.windows().window(C().BtnDefult[i].Window()).control.image;
        EXPECT_EQ(desk.shellObjects().iconImage(glyph), "resource:" + std::to_string(100 + i)) << i;
    }
    EXPECT_EQ(C().BtnOK.Window(), desk.platformFor(pid).win.GetDlgItem(Form().Window(), 1));
    EXPECT_EQ(C().BtnCancel.Window(), desk.platformFor(pid).win.GetDlgItem(Form().Window(), 2));
}

TEST_F(SettingsWindowTest, OpensOnTheSecondMonitorThatHoldsTheTaskbarAndFollowsTheSlider) {
    desk.addMonitor({0, 0, 1024, 768}, {0, 0, 1024, 768});
    desk.addMonitor({1024, 0, 2304, 1024}, {1024, 40, 2304, 1024});
    desk.addTaskbar({.rect = {1024, 0, 2304, 40}});
    Start("[Config]\r\nTray=0\r\n", false);
    C().PPConfig.Click();
    EXPECT_EQ(WindowRect().left, 1024 + (1280 - 632) / 2);
    EXPECT_EQ(WindowRect().top, 40);
    desk.controls().dragTrackBar(C().Slider.Window(), -12);
    EXPECT_EQ(WindowRect().top, 28);
    EXPECT_EQ(C().LblPosition.Caption(), "-12");
}

TEST_F(SettingsWindowTest, StaysOnAScreenSmallerThanItself) {
    desk.addMonitor({0, 0, 600, 400}, {0, 30, 600, 400});
    desk.addTaskbar({.rect = {0, 0, 600, 30}});
    Start("[Config]\r\nTray=0\r\n", false);
    C().PPConfig.Click();
    EXPECT_EQ(WindowRect().left, 0);
    EXPECT_EQ(WindowRect().top, 0); // bottom edge pushed up as far as the screen's top
}

TEST_F(SettingsWindowTest, EnterSavesTheFileAndTheNextTickRunsAFullPass) {
    Start("[Config]\r\nTray=0\r\nCaption=1\r\n");
    C().PPConfig.Click();
    ASSERT_TRUE(C().TxtCap.Enabled());
    desk.controls().click(C().CHKCap.Window());
    EXPECT_FALSE(C().TxtCap.Enabled());
    const Hwnd early = desk.addWindow(WindowSpec{.className = "App", .title = "app"});
    desk.scheduler().advance(500);
    EXPECT_EQ(desk.windows().window(early).rect.top, 0); // nothing moves while the window is open
    desk.controls().pressKey(vk::RETURN);
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(Form().Tray().Enabled());
    EXPECT_NE(File().find("Caption=0\r\n"), std::string::npos);
    EXPECT_NE(File().find("Tray=0\r\n"), std::string::npos);
    desk.scheduler().advance(250);
    EXPECT_EQ(desk.windows().window(early).rect.top, 30);

    // A file that cannot be written keeps the window open and says so once.
    const std::string saved = File();
    desk.files().setReadOnlyFolder("C:\\Velmora\\");
    C().PPConfig.Click();
    desk.controls().click(C().CHKCap.Window());
    desk.controls().pressKey(vk::RETURN);
    EXPECT_TRUE(Shown());
    EXPECT_FALSE(Form().Tray().Enabled());
    EXPECT_EQ(File(), saved);
    ASSERT_EQ(desk.dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].owner, Form().Window());
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].text,
              std::string(Text(Language::Japanese, TextId::SaveFailed).ansi) + "\r\n" + kSettings);
    EXPECT_THAT(desk.system().takeDebugOutput(), ElementsAre(MatchesRegex(kDeniedSaveTrace)));
}

TEST_F(SettingsWindowTest, ClosingTheWindowLeavesTheProgramsOwnApplicationWindowAlone) {
    desk.files().write("C:\\Velmora\\dame.wav", "RIFF");
    Start("[Config]\r\nTray=0\r\nPlay=1\r\n");
    const Hwnd app = program->AppWindow();
    const Rect before = desk.windows().window(app).rect;
    C().PPConfig.Click();
    desk.controls().pressKey(vk::RETURN);
    ASSERT_FALSE(Shown());
    ASSERT_TRUE(desk.windows().window(app).visible()) << "the application window shows again";
    desk.clearCalls();
    desk.scheduler().advance(250);
    for (const sim::CallRecord& call : desk.calls())
        EXPECT_NE(call.name, "sndPlaySoundA");
    EXPECT_EQ(C().ListBoxLog.Count(), 0u);
    EXPECT_EQ(desk.windows().window(app).rect, before);
    EXPECT_EQ(desk.windows().window(app).titleA(), Text(Language::Japanese, TextId::AppTitle).ansi);
}

TEST_F(SettingsWindowTest, EscRevertsTheWindowsSettingsButNotTheMenuOptionsOrTheLog) {
    Start("[Config]\r\nTray=0\r\nPosition=5\r\nIcon1=C:\\a.ico\r\n"
          "[Disable]\r\nCount=0\r\n0=KEEP.EXE\r\n");
    const std::string before = File();
    C().ListBoxLog.Add("moved.exe");
    SecondStart();
    desk.controls().dragTrackBar(C().Slider.Window(), 20);
    desk.controls().click(C().CHKTray.Window());
    desk.dialogs().answerOpenFileName("C:\\Apps\\foo.exe");
    desk.controls().click(C().BtnAdd.Window());
    C().CustomIconPaths[1] = "C:\\b.ico";
    C().PPMax.SetChecked(true);
    ASSERT_EQ(C().ListBoxDisable.Count(), 2u);

    desk.controls().pressKey(vk::ESCAPE);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(C().Slider.Position(), 5);
    EXPECT_FALSE(C().CHKTray.Checked());
    EXPECT_EQ(C().ListBoxDisable.Items(), std::vector<std::string>{"KEEP.EXE"});
    EXPECT_EQ(C().CustomIconPaths[1], "C:\\a.ico");
    EXPECT_TRUE(C().PPMax.Checked());
    EXPECT_EQ(C().ListBoxLog.Items(), std::vector<std::string>{"moved.exe"});
    EXPECT_EQ(File(), before);
}

// The window closes only through OK and Cancel: Alt+F4 on it is Cancel, and
// the program keeps running with the file as it was.
TEST_F(SettingsWindowTest, AltF4OnTheOpenWindowIsCancelAndTheProgramKeepsRunning) {
    Start("[Config]\r\nTray=0\r\nPosition=5\r\n");
    const std::string before = File();
    SecondStart();
    ASSERT_TRUE(Shown());
    desk.controls().dragTrackBar(C().Slider.Window(), 20);
    desk.platformFor(pid).win.SendMessageA(Form().Window(), wm::SYSCOMMAND, sc::CLOSE, 0);
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(Form().Closed());
    EXPECT_TRUE(desk.windows().exists(Form().Window()));
    EXPECT_EQ(C().Slider.Position(), 5);
    EXPECT_EQ(File(), before);
    EXPECT_TRUE(Form().WatchTimer().Enabled());
}

// The English texts take the system's message font, measured at the DPI of
// the window's monitor; a system without the per-DPI query gives it at the
// system DPI, which the program then accounts for.
TEST_F(SettingsWindowTest, TheEnglishMessageFontIsScaledFromTheDpiItWasMeasuredAt) {
    struct Case {
        std::uint32_t primaryDpi;
        std::uint32_t taskbarMonitorDpi;
        bool perDpiQuery;
    };
    const Case cases[] = {{96, 144, true}, {96, 144, false}, {144, 144, false}, {144, 96, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.primaryDpi << " " << c.taskbarMonitorDpi << " " << c.perDpiQuery);
        SimDesktop here;
        here.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768}, c.primaryDpi);
        here.addMonitor({1024, 0, 2560, 960}, {1024, 45, 2560, 960}, c.taskbarMonitorDpi);
        here.addTaskbar({.rect = {1024, 0, 2560, 45}});
        here.display().setPerDpiMetrics(c.perDpiQuery);
        here.display().setMessageFont({-12, 400, 0, "Segoe UI"});
        here.files().write(kSettings, "[Config]\r\nTray=0\r\nLanguage=en\r\n");
        Program english(here.platformFor(here.addProcess(kExe)), CommandLine{});
        ASSERT_TRUE(english.Start());
        english.Controller()->PPConfigClick();
        const Hwnd ok = english.Controller()->Controls().BtnOK.Window();
        const LogFontA* font = here.gdi().font(here.windows().window(ok).control.font);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->lfHeight, c.taskbarMonitorDpi == 144 ? -18 : -12);
        EXPECT_STREQ(font->lfFaceName, "Segoe UI");
    }
}

TEST_F(SettingsWindowTest, TheIgnoreListTakesANameOnceAndItsButtonsFollowTheSelections) {
    Start();
    C().PPConfig.Click();
    ListBox& list = C().ListBoxDisable;
    EXPECT_FALSE(C().BtnDel.Enabled());
    EXPECT_FALSE(C().BtnLog.Enabled());
    // A cancelled dialog adds nothing; foo.exe comes in once, in capitals.
    desk.controls().click(C().BtnAdd.Window());
    desk.dialogs().answerOpenFileName("C:\\Apps\\foo.exe");
    desk.controls().click(C().BtnAdd.Window());
    desk.dialogs().answerOpenFileName("D:\\Other\\FOO.exe");
    desk.controls().click(C().BtnAdd.Window());
    EXPECT_EQ(list.Items(), std::vector<std::string>{"FOO.EXE"});
    ASSERT_EQ(desk.dialogs().fileDialogs().size(), 3u);
    EXPECT_EQ(desk.dialogs().fileDialogs()[0].title,
              vm::Text(vm::Language::Japanese, vm::TextId::DialogChooseFile).ansi);
    EXPECT_EQ(desk.dialogs().fileDialogs()[0].filter,
              std::string("\x83v\x83\x8D\x83O\x83\x89\x83\x80(*.exe)\0*.exe", 23));
    EXPECT_NE(desk.dialogs().fileDialogs()[0].flags & ofn::FILEMUSTEXIST, 0u);

    // From the log: a line in another case is no new name; a new one is.
    C().ListBoxLog.Add("foo.exe");
    C().ListBoxLog.Add("Notepad");
    desk.controls().selectListItem(C().ListBoxLog.Window(), 0);
    EXPECT_TRUE(C().BtnLog.Enabled());
    desk.controls().click(C().BtnLog.Window());
    desk.controls().selectListItem(C().ListBoxLog.Window(), 1);
    desk.controls().click(C().BtnLog.Window());
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"FOO.EXE", "Notepad"}));

    desk.controls().selectListItem(list.Window(), 0);
    EXPECT_TRUE(C().BtnDel.Enabled());
    desk.controls().click(C().BtnDel.Window());
    EXPECT_EQ(list.Items(), std::vector<std::string>{"Notepad"});
    EXPECT_FALSE(C().BtnDel.Enabled());
    C().BtnDel.SetEnabled(true); // as after a reload with the button on
    desk.controls().click(C().BtnDel.Window());
    EXPECT_EQ(list.Items(), std::vector<std::string>{"Notepad"});
    EXPECT_FALSE(C().BtnDel.Enabled());

    // The sound file: its own title, the full path into the field.
    C().CHKWav.SetChecked(true);
    desk.dialogs().answerOpenFileName("C:\\Sounds\\ding.wav");
    desk.controls().click(C().BtnWav.Window());
    EXPECT_EQ(C().TxtWav.Text(), "C:\\Sounds\\ding.wav");
    EXPECT_EQ(desk.dialogs().fileDialogs().back().title,
              vm::Text(vm::Language::Japanese, vm::TextId::DialogChooseSound).ansi);
}

TEST_F(SettingsWindowTest, TheKeyboardWalksTheControlsAndEnterPressesTheFocusedButton) {
    Start("[Config]\r\nTray=0\r\nCaption=0\r\n");
    C().PPConfig.Click();
    EXPECT_FALSE(C().TxtCap.Enabled()); // loaded off, the field is off at once
    const Hwnd slider = C().Slider.Window();
    ASSERT_EQ(desk.windows().focus(), slider);
    desk.controls().pressKey(vk::TAB);
    EXPECT_EQ(desk.windows().focus(), C().CHKCap.Window());
    desk.controls().pressKey(vk::TAB); // TxtCap is disabled: skipped
    EXPECT_EQ(desk.windows().focus(), C().CHKWav.Window());
    ASSERT_FALSE(C().BtnWav.Enabled());
    desk.controls().pressKey(vk::SPACE);
    EXPECT_TRUE(C().CHKWav.Checked());
    EXPECT_TRUE(C().BtnWav.Enabled());

    desk.platformFor(pid).win.SetFocus(C().BtnAdd.Window());
    desk.controls().pressKey(vk::RETURN); // presses BtnAdd: a dialog, cancelled
    EXPECT_TRUE(Shown());
    EXPECT_EQ(desk.dialogs().fileDialogs().size(), 1u);
}

TEST_F(SettingsWindowTest, TheTitleStripTakesTheCaptionColoursOfTheActivation) {
    Start();
    SecondStart(); // the strip exists once the window has been opened
    IWindowSystem& win = desk.platformFor(pid).win;
    const Hwnd strip = C().TextCap.Window();
    const auto brush = [&](Hdc dc) {
        return win.SendMessageA(Form().Window(), wm::CTLCOLORSTATIC, dc.Value(),
                                static_cast<std::intptr_t>(strip.Value()));
    };
    EXPECT_EQ(brush(Hdc{0x51}),
              static_cast<std::intptr_t>(win.GetSysColorBrush(color::ACTIVECAPTION).Value()));
    EXPECT_EQ(desk.gdi().textColorOf(Hdc{0x51}), win.GetSysColor(color::CAPTIONTEXT));
    win.SendMessageA(Form().Window(), wm::ACTIVATEAPP, 0, 0);
    EXPECT_EQ(brush(Hdc{0x52}),
              static_cast<std::intptr_t>(win.GetSysColorBrush(color::INACTIVECAPTION).Value()));
    EXPECT_EQ(desk.gdi().bkColorOf(Hdc{0x52}), win.GetSysColor(color::INACTIVECAPTION));
    EXPECT_EQ(desk.gdi().textColorOf(Hdc{0x52}), win.GetSysColor(color::INACTIVECAPTIONTEXT));
}

TEST_F(SettingsWindowTest, TheNumericFieldsShowTheSpinnersInTheirFormat) {
    Start("[Config]\r\nTray=0\r\nWait=60\r\nTrans=0\r\n");
    SecondStart();
    const auto shown = [this](const Control& field) {
        return desk.windows().window(field.Window()).titleA();
    };
    EXPECT_EQ(shown(C().TXTTrans), "0");
    EXPECT_EQ(shown(C().TXTWait), "60");
    EXPECT_NE(desk.windows().window(C().TXTWait.Window()).style & es::RIGHT, 0u);
    C().UDTrans.SetPosition(100);
    EXPECT_EQ(shown(C().TXTTrans), "100");
    EXPECT_EQ(C().TXTTrans.Value(), 100);
    desk.controls().stepUpDown(C().UDWait.Window(), true); // wraps
    EXPECT_EQ(shown(C().TXTWait), "0");
    EXPECT_EQ(C().UDWait.Position(), 0);
    // Whatever is set, the field keeps to its digits.
    C().TXTTrans.SetValue(1000);
    EXPECT_EQ(shown(C().TXTTrans), "999");
    C().TXTWait.SetValue(-0.4);
    EXPECT_EQ(shown(C().TXTWait), "0");
}

TEST_F(SettingsWindowTest,
       AnAltKeyCueChangeRepaintsOnlyWhereVisualStylesAreOnAndFontsAndIconsAreFreed) {
    for (const bool themed : {false, true}) {
        SimDesktop d;
        AddTopTaskbarDesktop(d);
        d.controls().setThemed(themed);
        d.system().version = {148, 6, 1, 7601, ver_platform::WIN32_NT};
        const std::uint32_t p = d.addProcess(kExe);
        {
            Program instance(d.platformFor(p), CommandLine({"/w"}));
            ASSERT_TRUE(instance.Start());
            const Hwnd form = instance.Controller()->Window();
            // The controls and their fonts come with the first opening.
            EXPECT_EQ(d.gdi().liveFonts(), 0u);
            instance.Controller()->PPConfigClick();
            EXPECT_GT(d.gdi().liveFonts(), 0u);
            d.platformFor(p).win.SendMessageA(form, wm::UPDATEUISTATE, 0, 0);
            d.platformFor(p).win.SendMessageA(form, wm::UPDATEUISTATE, 0, 0);
            d.scheduler().advance(1);
            EXPECT_EQ(d.gdi().redrawCount(form), themed ? 1 : 0);
        }
        EXPECT_EQ(d.gdi().liveFonts(), 0u);
        EXPECT_EQ(d.shellObjects().liveIcons(p), 0u);
    }
}

} // namespace
} // namespace vm

namespace vm {
namespace {

TEST_F(SettingsWindowTest, ScalesWithTheDpiOfItsMonitorAndLaysItselfOutAgainOnAChange) {
    // Created on the primary monitor at 96 DPI; the taskbar is on the second,
    // at 144 DPI, where the window opens.
    desk.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768});
    const HMonitor second = desk.addMonitor({1024, 0, 2560, 960}, {1024, 45, 2560, 960}, 144);
    desk.addTaskbar({.rect = {1024, 0, 2560, 45}});
    Start("[Config]\r\nTray=0\r\n", false);
    EXPECT_EQ(WindowRect(), (Rect{0, 0, 632, 469}));
    C().PPConfig.Click();
    EXPECT_EQ(WindowRect(), (Rect{1318, 45, 1318 + 948, 45 + 704}));
    struct Place {
        const Control* control;
        Rect rect;
        int fontHeight;
    };
    // Every edge scaled by 1.5 and rounded half away from zero.
    const Place places[] = {
        {&C().TextCap, {0, 0, 948, 35}, 29},
        {&C().LblBottom, {615, 155, 660, 195}, 41},
        {&C().BtnCustom[2], {818, 335, 908, 425}, 20},
        {&C().BtnOK, {692, 620, 804, 665}, 20},
    };
    for (const Place& p : places) {
        const sim::SimWindow& child = desk.windows().window(p.control->Window());
        EXPECT_EQ(child.rect, p.rect) << p.control->Name();
        const LogFontA* font = desk.gdi().font(child.control.font);
        ASSERT_NE(font, nullptr) << p.control->Name();
        EXPECT_EQ(font->lfHeight, -p.fontHeight) << p.control->Name();
    }
    EXPECT_EQ(desk.shellObjects().iconImage(
                  desk.windows().window(C().BtnDefult[0].Window()).control.image),
              "resource:100@48");
    const std::size_t fonts = desk.gdi().liveFonts();

    // The user sets that monitor to 100 % while the window is open: laid out
    // again, still centred with its top at the watch line.
    desk.setMonitorDpi(second, 96);
    EXPECT_EQ(WindowRect(), (Rect{1476, 45, 1476 + 632, 45 + 469}));
    EXPECT_EQ(desk.windows().window(C().BtnOK.Window()).rect, (Rect{461, 413, 536, 443}));
    EXPECT_EQ(desk.shellObjects().iconImage(
                  desk.windows().window(C().BtnCustom[0].Window()).control.image),
              "resource:100");
    EXPECT_EQ(desk.gdi().liveFonts(), fonts) << "the fonts of the old scale are gone";
}

TEST_F(SettingsWindowTest, EveryControlHasADistinctNameAScreenReaderReads) {
    for (const char* language : {"ja", "en"}) {
        SimDesktop& d = desk;
        Start(std::string("[Config]\r\nTray=0\r\nLanguage=") + language + "\r\n",
              std::string(language) == "ja");
        C().PPConfig.Click();
        const sim::SimWindow& form = d.windows().window(Form().Window());
        // A reader names a control by the label just before it, else by
        // its own text without the access key's mark; the accessibility
        // interfaces give a labelled control the label's name.
        std::set<std::u16string> names;
        int controls = 0;
        for (std::size_t i = 0; i < form.children.size(); ++i) {
            const sim::SimWindow& w = d.windows().window(form.children[i]);
            const bool groupBox = w.className == control_class::BUTTON && (w.style & 0xFu) == 7u;
            if (w.className == control_class::STATIC || groupBox)
                continue;
            ++controls;
            std::u16string name = w.titleW;
            std::erase(name, u'&');
            if (i > 0) {
                const sim::SimWindow& before = d.windows().window(form.children[i - 1]);
                if (before.className == control_class::STATIC &&
                    before.rect.right == before.rect.left) {
                    EXPECT_EQ(before.rect.bottom, before.rect.top) << "a label nobody sees";
                    name = before.titleW;
                    // Asked through the accessibility interfaces, the same.
                    EXPECT_EQ(w.accessibleName, name);
                }
            }
            if (!w.accessibleName.empty()) {
                EXPECT_EQ(w.accessibleName, name) << "only a labelled control is renamed";
            }
            EXPECT_FALSE(name.empty()) << language << " " << w.className << " #" << i;
            EXPECT_TRUE(names.insert(name).second)
                << language << " " << w.className << " #" << i << " shares its name";
        }
        EXPECT_EQ(controls, 29) << language;
        C().BtnCancel.Click();
        program->Controller()->Close();
        program->Run();
        d.endProcess(pid);
        programs.back().reset();
    }
}

} // namespace
} // namespace vm
