// Every control of the settings window and item of the tray menu, in its
// design state. The options live here: a check mark is the option's value.
#pragma once

#include <array>
#include <string>

#include "sys/sjis_literals.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu_item.h"
#include "ui/nval_edit.h"
#include "ui/popup_menu.h"
#include "ui/track_bar.h"
#include "ui/up_down.h"

namespace vm {

struct MainFormControls {
    using Kind = MenuItem::Kind;

    // The title strip that stands in for a title bar.
    Label TextCap{"TextCap", sjis::kMainFormCaption};

    // Ignore list and the log of moved windows.
    GroupBox GroupBox1{"GroupBox1", sjis::kGroupIgnore};
    ListBox ListBoxDisable{"ListBoxDisable"};
    Button BtnAdd{"BtnAdd", sjis::kButtonBrowseExe};
    Button BtnLog{"BtnLog", sjis::kButtonAddFromLog};
    Button BtnDel{"BtnDel", sjis::kButtonDelete};
    ListBox ListBoxLog{"ListBoxLog"};

    // Watch position.
    GroupBox GroupBox2{"GroupBox2", sjis::kGroupPosition};
    TrackBar Slider{"TrackBar", -30, 30, 0};
    Label LblBottom{"LblBottom", "30"};
    Label LblPosition{"LblPosition", "-30"};

    // Announcement of a move.
    GroupBox GroupBox3{"GroupBox3", sjis::kGroupExtras};
    CheckBox CHKCap{"CHKCap", sjis::kCheckCaption, true};
    Edit TxtCap{"TxtCap", 255};
    CheckBox CHKWav{"CHKWav", sjis::kCheckWave, true};
    Edit TxtWav{"TxtWav", 255};
    Button BtnWav{"BtnWav", sjis::kButtonBrowseWave};

    // Translucency.
    GroupBox GroupBox6{"GroupBox6", ""};
    CheckBox CHKTrans{"CHKTrans", "", false};
    Label LabelTans{"LabelTans", sjis::kLabelTrans};
    NValEdit TXTTrans{"TXTTrans", kTxtTransFormat};
    UpDown UDTrans{"UDTrans", 0, 100, 100, TXTTrans};
    Label LabelTarnsPer{"LabelTarnsPer", sjis::kLabelPercent};
    CheckBox CHKStartMenu{"CHKStartMenu", sjis::kCheckStartMenu, false};

    // Tray images.
    GroupBox GroupBox4{"GroupBox4", sjis::kGroupIcons};
    Label Label1{"Label1", sjis::kLabelDefault};
    Label Label2{"Label2", sjis::kLabelCurrent};
    std::array<Button, 3> BtnDefult{Button{"BtnDefult0", "\x92\xCA\x8F\xED(&Z)"}, // 通常(&Z)
                                    Button{"BtnDefult1", "\x88\xDA\x93\xAE(&C)"}, // 移動(&C)
                                    Button{"BtnDefult2", "\x92\xE2\x8E~(&B)"}};   // 停止(&B)
    std::array<Button, 3> BtnCustom{Button{"BtnCustom0", "\x92\xCA\x8F\xED(&X)"}, // 通常(&X)
                                    Button{"BtnCustom1", "\x88\xDA\x93\xAE(&V)"}, // 移動(&V)
                                    Button{"BtnCustom2", "\x92\xE2\x8E~(&M)"}};   // 停止(&M)

    // Start-up delay.
    GroupBox GroupBox5{"GroupBox5", sjis::kGroupWait};
    NValEdit TXTWait{"TXTWait", kTxtWaitFormat};
    UpDown UDWait{"UDWait", 0, 60, 0, TXTWait};
    Label LabelWait{"LabelWait", sjis::kLabelSeconds};

    CheckBox CHKTray{"CHKTray", sjis::kCheckTray, true};
    Button BtnRMenu{"BtnRMenu", sjis::kButtonTrayMenu};
    Button BtnStartUp{"BtnStartUp", sjis::kButtonStartUp};
    Button BtnQuickLaunch{"BtnQuickLaunch", sjis::kButtonQuickLaunch};
    Button BtnOK{"BtnOK", "OK"};
    Button BtnCancel{"BtnCancel", sjis::kButtonCancel};

    // The tray menu.
    MenuItem PPHide{"PPHide", sjis::kMenuHide, Kind::Command};
    MenuItem N4{"N4", "-", Kind::Separator};
    MenuItem PPEnabled{"PPEnabled", sjis::kMenuEnabled, Kind::Toggle, true};
    MenuItem PPMax{"PPMax", sjis::kMenuMax, Kind::Toggle};
    MenuItem PPRestore{"PPRestore", sjis::kMenuRestore, Kind::Toggle};
    MenuItem PPReSize{"PPReSize", sjis::kMenuReSize, Kind::Toggle};
    MenuItem PPHideON{"PPHideON", sjis::kMenuHideOn, Kind::Toggle};
    MenuItem PPDialog{"PPDialog", sjis::kMenuDialog, Kind::Toggle};
    MenuItem PPActive{"PPActive", sjis::kMenuActive, Kind::Toggle};
    MenuItem N1{"N1", "-", Kind::Separator};
    MenuItem PPConfig{"PPConfig", sjis::kMenuConfig, Kind::Command};
    MenuItem N2{"N2", "-", Kind::Separator};
    MenuItem PPExit{"PPExit", sjis::kMenuExit, Kind::Command};
    PopupMenu PPRMenu{{&PPHide, &N4, &PPEnabled, &PPMax, &PPRestore, &PPReSize, &PPHideON,
                       &PPDialog, &PPActive, &N1, &PPConfig, &N2, &PPExit}};

    // Paths of the user's tray images, indexed by IconState.
    std::array<std::string, 3> CustomIconPaths;

    MainFormControls() {
        BtnLog.SetEnabled(false);
        BtnDel.SetEnabled(false);
        LabelTans.SetEnabled(false);
        TXTTrans.SetEnabled(false);
        UDTrans.SetEnabled(false);
        LabelTarnsPer.SetEnabled(false);
        CHKStartMenu.SetEnabled(false);
        PPRestore.SetEnabled(false);
    }
    MainFormControls(const MainFormControls&) = delete;
    MainFormControls& operator=(const MainFormControls&) = delete;

    // The fields of an announcement are usable only while their box is on.
    // The controller wires them to CHKCap's and CHKWav's clicks.
    void CHKCapClick() { TxtCap.SetEnabled(CHKCap.Checked()); }
    void CHKWavClick() {
        TxtWav.SetEnabled(CHKWav.Checked());
        BtnWav.SetEnabled(CHKWav.Checked());
    }
};

} // namespace vm
