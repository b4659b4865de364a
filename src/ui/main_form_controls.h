// Every control of the settings window and item of the tray menu, in its
// design state. They show WatchSettings (ui/settings_controls.h) and take
// their ranges from its table.
#pragma once

#include <array>
#include <string>

#include "options/watch_settings.h"
#include "translations/ui_texts.h"
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

    // The interface language every caption below is in.
    const Language language;

    // The title strip that stands in for a title bar.
    Label TextCap{"TextCap", T(TextId::MainFormCaption)};

    // Ignore list and the log of moved windows.
    GroupBox GroupBox1{"GroupBox1", T(TextId::GroupIgnore)};
    ListBox ListBoxDisable{"ListBoxDisable"};
    Button BtnAdd{"BtnAdd", T(TextId::ButtonBrowseExe)};
    Button BtnLog{"BtnLog", T(TextId::ButtonAddFromLog)};
    Button BtnDel{"BtnDel", T(TextId::ButtonDelete)};
    ListBox ListBoxLog{"ListBoxLog"};

    // Watch position.
    GroupBox GroupBox2{"GroupBox2", T(TextId::GroupPosition)};
    TrackBar Slider{"TrackBar", kOffsetRange.min, kOffsetRange.max, kOffsetRange.defaultValue};
    Label LblBottom{"LblBottom", "30"};
    Label LblPosition{"LblPosition", "-30"};

    // Announcement of a move.
    GroupBox GroupBox3{"GroupBox3", T(TextId::GroupExtras)};
    CheckBox CHKCap{"CHKCap", T(TextId::CheckCaption), true};
    Edit TxtCap{"TxtCap", 255};
    CheckBox CHKWav{"CHKWav", T(TextId::CheckWave), true};
    Edit TxtWav{"TxtWav", 255};
    Button BtnWav{"BtnWav", T(TextId::ButtonBrowseWave)};

    // Translucency.
    GroupBox GroupBox6{"GroupBox6", ""};
    CheckBox CHKTrans{"CHKTrans", "", false};
    Label LabelTans{"LabelTans", T(TextId::LabelTrans)};
    NValEdit TXTTrans{"TXTTrans", kTxtTransFormat};
    UpDown UDTrans{"UDTrans", kTransRange.min, kTransRange.max, kTransRange.defaultValue, TXTTrans};
    Label LabelTarnsPer{"LabelTarnsPer", T(TextId::LabelPercent)};
    CheckBox CHKStartMenu{"CHKStartMenu", T(TextId::CheckStartMenu), false};

    // Tray images.
    GroupBox GroupBox4{"GroupBox4", T(TextId::GroupIcons)};
    Label Label1{"Label1", T(TextId::LabelDefault)};
    Label Label2{"Label2", T(TextId::LabelCurrent)};
    std::array<Button, 3> BtnDefult{Button{"BtnDefult0", T(TextId::ButtonDefault0)},
                                    Button{"BtnDefult1", T(TextId::ButtonDefault1)},
                                    Button{"BtnDefult2", T(TextId::ButtonDefault2)}};
    std::array<Button, 3> BtnCustom{Button{"BtnCustom0", T(TextId::ButtonCustom0)},
                                    Button{"BtnCustom1", T(TextId::ButtonCustom1)},
                                    Button{"BtnCustom2", T(TextId::ButtonCustom2)}};

    // Start-up delay.
    GroupBox GroupBox5{"GroupBox5", T(TextId::GroupWait)};
    NValEdit TXTWait{"TXTWait", kTxtWaitFormat};
    UpDown UDWait{"UDWait", kWaitRange.min, kWaitRange.max, kWaitRange.defaultValue, TXTWait};
    Label LabelWait{"LabelWait", T(TextId::LabelSeconds)};

    CheckBox CHKTray{"CHKTray", T(TextId::CheckTray), true};
    Button BtnRMenu{"BtnRMenu", T(TextId::ButtonTrayMenu)};
    Button BtnStartUp{"BtnStartUp", T(TextId::ButtonStartUp)};
    Button BtnQuickLaunch{"BtnQuickLaunch", T(TextId::ButtonQuickLaunch)};
    Button BtnOK{"BtnOK", T(TextId::ButtonOK)};
    Button BtnCancel{"BtnCancel", T(TextId::ButtonCancel)};

    // The tray menu.
    MenuItem PPHide{"PPHide", T(TextId::MenuHide), Kind::Command};
    MenuItem N4{"N4", "-", Kind::Separator};
    MenuItem PPEnabled{"PPEnabled", T(TextId::MenuEnabled), Kind::Toggle, true};
    MenuItem PPMax{"PPMax", T(TextId::MenuMax), Kind::Toggle};
    MenuItem PPRestore{"PPRestore", T(TextId::MenuRestore), Kind::Toggle};
    MenuItem PPReSize{"PPReSize", T(TextId::MenuReSize), Kind::Toggle};
    MenuItem PPHideON{"PPHideON", T(TextId::MenuHideOn), Kind::Toggle};
    MenuItem PPDialog{"PPDialog", T(TextId::MenuDialog), Kind::Toggle};
    MenuItem PPActive{"PPActive", T(TextId::MenuActive), Kind::Toggle};
    MenuItem N1{"N1", "-", Kind::Separator};
    MenuItem PPConfig{"PPConfig", T(TextId::MenuConfig), Kind::Command};
    MenuItem N2{"N2", "-", Kind::Separator};
    MenuItem PPExit{"PPExit", T(TextId::MenuExit), Kind::Command};
    PopupMenu PPRMenu{{&PPHide, &N4, &PPEnabled, &PPMax, &PPRestore, &PPReSize, &PPHideON,
                       &PPDialog, &PPActive, &N1, &PPConfig, &N2, &PPExit}};

    // Paths of the user's tray images, indexed by IconState.
    std::array<std::string, kIconPathCount> CustomIconPaths;

    explicit MainFormControls(Language lang = Language::Japanese) : language(lang) {
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
    UiText T(TextId id) const { return Text(language, id); }

    void CHKCapClick() { TxtCap.SetEnabled(CHKCap.Checked()); }
    void CHKWavClick() {
        TxtWav.SetEnabled(CHKWav.Checked());
        BtnWav.SetEnabled(CHKWav.Checked());
    }
};

} // namespace vm
