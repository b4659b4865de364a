// The controls of src/ui/ on their child windows, one suite for both
// backends: the simulated desktop must answer as the real controls do.
// Each backend supplies a host: the window system, a visible parent window
// that routes its controls' notifications, and what the user does.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/constants.h"
#include "ui/check_box.h"
#include "ui/control_router.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/next_dialog_control.h"
#include "ui/nval_edit.h"
#include "ui/track_bar.h"
#include "ui/up_down.h"

namespace vm::control_suite {

class Host {
public:
    virtual ~Host() = default;
    virtual IWindowSystem& Win() = 0;
    virtual Hwnd Parent() = 0;
    virtual ControlRouter& Router() = 0;
    // The user's mouse on a check box, a list line, the spinner's up arrow;
    // the End key on a slider.
    virtual void UserClick(Hwnd control) = 0;
    virtual void UserSelect(Hwnd listBox, int index) = 0;
    virtual void UserStepUp(Hwnd upDown) = 0;
    virtual void UserEnd(Hwnd trackBar) = 0;
    // Alt with an underlined letter, where the focus is.
    virtual void UserAccessKey(char letter) = 0;

    template <typename C>
    void Create(C& control, int id, ControlPlacement place = {10, 10, 120, 60}) {
        ASSERT_TRUE(Router().Create(control, Win(), Parent(), id, place)) << control.Name();
    }
};

inline void CheckBoxKeepsItsMarkInTheWindow(Host& host) {
    CheckBox box{"CHKCap", "Title (&T)", true};
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    host.Create(box, 101, {10, 10, 150, 17});
    IWindowSystem& win = host.Win();
    EXPECT_EQ(win.SendMessageA(box.Window(), bm::GETCHECK, 0, 0), 1);
    EXPECT_EQ(win.GetDlgItem(host.Parent(), 101), box.Window());
    EXPECT_EQ(win.GetDlgCtrlID(box.Window()), 101);
    EXPECT_EQ(box.Caption(), "Title (&T)");

    box.SetChecked(true); // no change, no handler
    box.SetChecked(false);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(win.SendMessageA(box.Window(), bm::GETCHECK, 0, 0), 0);
    host.UserClick(box.Window());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 2);

    box.SetEnabled(false);
    EXPECT_FALSE(win.IsWindowEnabled(box.Window()));
    box.Click();
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 2);
}

inline void ListBoxSearchesSelectsAndDeletesInTheWindow(Host& host) {
    ListBox list{"ListBoxDisable"};
    list.Add("early.exe"); // held until the window exists, then handed over
    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    host.Create(list, 102, {10, 10, 280, 55});
    list.Add("FOO.EXE");
    list.Add("\x83\x81\x83\x82 - Notepad"); // a title with double-byte characters
    EXPECT_EQ(list.Items(),
              (std::vector<std::string>{"early.exe", "FOO.EXE", "\x83\x81\x83\x82 - Notepad"}));
    // Whole lines, letter case folded.
    EXPECT_EQ(list.FindStringExact("foo.exe"), 1);
    EXPECT_EQ(list.FindStringExact("Foo.Exe"), 1);
    EXPECT_EQ(list.FindStringExact("FOO"), -1);
    EXPECT_EQ(list.FindStringExact("\x83\x81\x83\x82 - notepad"), 2);

    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(2); // from code: nobody is told
    EXPECT_EQ(clicks, 0);
    host.UserSelect(list.Window(), 1);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);

    list.Delete(7);
    EXPECT_EQ(list.Count(), 3u);
    list.Delete(1);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"early.exe", "\x83\x81\x83\x82 - Notepad"}));
    list.SetHorizontalExtent(240);
    EXPECT_EQ(list.HorizontalExtent(), 240);
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
}

inline void TrackBarKeepsItsPositionInsideItsRange(Host& host) {
    TrackBar slider{"TrackBar", -30, 30, 0};
    int changes = 0;
    slider.OnChange = [&] { ++changes; };
    host.Create(slider, 103, {10, 10, 40, 155, tbs::VERT | tbs::BOTH});
    EXPECT_EQ(slider.Min(), -30);
    EXPECT_EQ(slider.Max(), 30);
    slider.SetPosition(99);
    EXPECT_EQ(slider.Position(), 30);
    EXPECT_EQ(changes, 1);
    slider.SetPosition(30);
    EXPECT_EQ(changes, 1);
    slider.SetRange(-10, 10);
    EXPECT_EQ(slider.Position(), 10);
    EXPECT_EQ(changes, 2);
    slider.SetPosition(-10);
    host.UserEnd(slider.Window());
    EXPECT_EQ(slider.Position(), 10);
    EXPECT_GE(changes, 4);
}

inline void UpDownWritesItsBuddyAndWraps(Host& host) {
    NValEdit field{"TXTWait", kTxtWaitFormat};
    UpDown spinner{"UDWait", 0, 60, 0, field};
    int clicks = 0;
    spinner.OnClick = [&] { ++clicks; };
    host.Create(field, 104, {20, 30, 30, 21, es::READONLY});
    host.Create(spinner, 105, {50, 30, 30, 21});
    EXPECT_EQ(field.Text(), "0");
    spinner.SetPosition(75);
    EXPECT_EQ(spinner.Position(), 60);
    EXPECT_EQ(field.Text(), "60");
    host.UserStepUp(spinner.Window());
    EXPECT_EQ(spinner.Position(), 0);
    EXPECT_EQ(field.Text(), "0");
    EXPECT_EQ(clicks, 1);
    spinner.StepDown();
    EXPECT_EQ(spinner.Position(), 60);
    EXPECT_EQ(clicks, 2);
}

inline void EditLimitsTypingButNotCode(Host& host) {
    Edit field{"TxtCap", 5};
    host.Create(field, 106, {10, 40, 200, 21});
    field.SetText("longer than five");
    EXPECT_EQ(field.Text(), "longer than five");
    // Each double-byte character counts as one.
    field.Type("\x83\x81\x83\x82\x83\x81\x83\x82xyz");
    EXPECT_EQ(field.Text(), "\x83\x81\x83\x82\x83\x81\x83\x82x");
    char buffer[64] = {};
    EXPECT_EQ(host.Win().GetWindowTextA(field.Window(), buffer, sizeof buffer), 9);
}

inline void FocusLeavesADisabledControl(Host& host) {
    Edit field{"TxtWav", 255};
    host.Create(field, 107, {10, 90, 300, 21});
    IWindowSystem& win = host.Win();
    win.SetFocus(field.Window());
    EXPECT_EQ(win.GetFocus(), field.Window());
    field.SetEnabled(false);
    EXPECT_FALSE(field.Enabled());
    EXPECT_NE(win.GetFocus(), field.Window());
    field.SetEnabled(true);
    EXPECT_TRUE(field.Enabled());
}

// Alt with the underlined letter of a group box or a label: the dialog
// manager asks the parent to move the focus past it (WM_NEXTDLGCTL), which
// the parent answers as a dialog box does; a check box's letter presses it.
inline void AccessKeysReachTheControlsOfLabelsAndGroupBoxes(Host& host) {
    GroupBox group{"GroupBox2", "[Position (&P)]"};
    TrackBar slider{"TrackBar", -30, 30, 0};
    Label label{"LabelTans", "Translucency (&Y)"};
    Edit field{"TxtCap", 255};
    CheckBox box{"CHKCap", "Title (&T)", false};
    host.Create(group, 110, {10, 10, 115, 180});
    host.Create(slider, 111, {20, 30, 40, 155, tbs::VERT | tbs::BOTH});
    host.Create(label, 112, {140, 10, 150, 16});
    host.Create(field, 113, {140, 30, 150, 21});
    host.Create(box, 114, {140, 60, 150, 17});
    IWindowSystem& win = host.Win();
    // With the window itself focused, as after a click on its background.
    win.SetFocus(host.Parent());
    host.UserAccessKey('p');
    EXPECT_EQ(win.GetFocus(), slider.Window());
    host.UserAccessKey('Y');
    EXPECT_EQ(win.GetFocus(), field.Window());
    host.UserAccessKey('t');
    EXPECT_TRUE(box.Checked());
    host.UserAccessKey('P');
    EXPECT_EQ(win.GetFocus(), slider.Window());
    // A letter no caption underlines moves nothing.
    host.UserAccessKey('q');
    EXPECT_EQ(win.GetFocus(), slider.Window());
}

} // namespace vm::control_suite

// The suite's cases for one backend's host fixture.
#define VELMORA_CONTROL_SUITE(Fixture)                                                             \
    TEST_F(Fixture, CheckBoxKeepsItsMarkInTheWindow) {                                             \
        control_suite::CheckBoxKeepsItsMarkInTheWindow(*this);                                     \
    }                                                                                              \
    TEST_F(Fixture, ListBoxSearchesSelectsAndDeletesInTheWindow) {                                 \
        control_suite::ListBoxSearchesSelectsAndDeletesInTheWindow(*this);                         \
    }                                                                                              \
    TEST_F(Fixture, TrackBarKeepsItsPositionInsideItsRange) {                                      \
        control_suite::TrackBarKeepsItsPositionInsideItsRange(*this);                              \
    }                                                                                              \
    TEST_F(Fixture, UpDownWritesItsBuddyAndWraps) {                                                \
        control_suite::UpDownWritesItsBuddyAndWraps(*this);                                        \
    }                                                                                              \
    TEST_F(Fixture, EditLimitsTypingButNotCode) {                                                  \
        control_suite::EditLimitsTypingButNotCode(*this);                                          \
    }                                                                                              \
    TEST_F(Fixture, FocusLeavesADisabledControl) {                                                 \
        control_suite::FocusLeavesADisabledControl(*this);                                         \
    }                                                                                              \
    TEST_F(Fixture, AccessKeysReachTheControlsOfLabelsAndGroupBoxes) {                             \
        control_suite::AccessKeysReachTheControlsOfLabelsAndGroupBoxes(*this);                     \
    }
