#include "app/tray_behaviour.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/constants.h"
#include "program/icon_file.h"
#include "ui/dpi_scale.h"
#include "ui/open_file_dialog.h"
#include "window_info/window_helpers.h"

namespace vm {

TrayBehaviour::TrayBehaviour(ProgramContext& context, MainFormControls& controls,
                             Form& settingsWindow, TrayHost& host)
    : context_(context), controls_(controls), settingsWindow_(settingsWindow), host_(host),
      images_(context.platform.win) {}

void TrayBehaviour::Bind(Hwnd window, std::uint32_t dpi) {
    LoadDefaultGlyphs(dpi);
    icon_.SetHint(context_.Text(TextId::HintEnabled));
    icon_.Bind(context_.platform, images_, window);
    icon_.Menu = &controls_.PPRMenu;
}

void TrayBehaviour::LoadDefaultGlyphs(std::uint32_t dpi) {
    const std::vector<Unique<HIcon>> replaced =
        images_.LoadDefaults(ScaleToDpi(kTrayImageSize, dpi));
    // The reset buttons show the built-in images themselves; the images
    // outlive the settings window, which goes first.
    for (std::size_t i = 0; i < kTrayImageCount; ++i)
        controls_.BtnDefult[i].SetGlyph(images_.Default(static_cast<IconState>(i)));
}

void TrayBehaviour::TrayIconDblClick() {
    // Hidden while the taskbar is at another edge: nothing to switch.
    if (!controls_.PPEnabled.Visible())
        return;
    // As the menu's enable command does it.
    controls_.PPEnabled.Click();
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, settingsWindow_.Window());
    // Switched on: the next tick runs a full pass.
    if (controls_.PPEnabled.Checked())
        host_.RequestFullPass();
}

void TrayBehaviour::PPRMenuPopup() {
    controls_.PPConfig.SetEnabled(!settingsWindow_.Visible());
}

void TrayBehaviour::BtnRMenuClick() {
    IWindowSystem& win = context_.platform.win;
    Point cursor;
    if (!win.GetCursorPos(cursor))
        return;
    controls_.PPRMenu.Popup(win, settingsWindow_.Window(), cursor);
}

void TrayBehaviour::CHKTrayClick() {
    // Loading the settings sets the box while the window is hidden.
    if (!settingsWindow_.Visible())
        return;
    icon_.SetIconVisible(true);
    if (controls_.CHKTray.Checked())
        return;
    // The icon goes only once the user has read how to get it back.
    context_.platform.win.MessageBoxW(
        settingsWindow_.Window(), context_.Text(TextId::TrayOffMessage).wide,
        context_.Text(TextId::MessageCaption).wide, mb::ICONINFORMATION | mb::TOPMOST);
    icon_.SetIconVisible(false);
}

void TrayBehaviour::BtnDefultClick(std::size_t tag) {
    if (tag >= controls_.CustomIconPaths.size())
        return;
    controls_.CustomIconPaths[tag].clear();
    RebuildTrayImages();
}

void TrayBehaviour::BtnCustomClick(std::size_t tag) {
    if (tag >= controls_.CustomIconPaths.size())
        return;
    IWindowSystem& win = context_.platform.win;
    ForceForegroundWindow(win, context_.system.info, settingsWindow_.Window());
    const std::optional<std::string> path =
        ChooseOpenFile(win, settingsWindow_.Window(), context_.AnsiText(TextId::IconDialogTitle),
                       context_.AnsiText(TextId::IconDialogFilter));
    if (!path)
        return;
    controls_.CustomIconPaths[tag] = *path;
    RebuildTrayImages();
}

void TrayBehaviour::RebuildTrayImages() {
    Platform& platform = context_.platform;
    // The buttons show the old images until they have the new ones.
    const std::vector<Unique<HIcon>> retired = images_.TakeAll();
    for (std::size_t i = 0; i < kTrayImageCount; ++i) {
        // A file that lends no image gives the built-in one; the path stays
        // stored.
        const std::string& path = controls_.CustomIconPaths[i];
        Unique<HIcon> icon = Own(
            platform.win, IsIconSource(platform.os, path) ? GetFileIcon(platform, path) : HIcon{});
        if (icon)
            images_.Append(std::move(icon));
        else
            images_.AppendDefault(i);
        controls_.BtnCustom[i].SetGlyph(images_.Image(static_cast<IconState>(i)));
    }
    // The image follows the state: watching only while the item is checked
    // and shown (hidden while the taskbar is away from the top, which
    // suspends watching but keeps the user's choice).
    const bool watching = controls_.PPEnabled.Checked() && controls_.PPEnabled.Visible();
    icon_.SetImage(watching ? IconState::Normal : IconState::Stopped);
}

void TrayBehaviour::AnnounceFirstRun(const std::string& unwritableFolder) {
    // Quick mode ends at once and never writes the file; "/S" has no icon.
    const CommandLine& cmd = context_.commandLine;
    if (cmd.IsQuick() || cmd.IsSilent())
        return;
    if (unwritableFolder.empty()) {
        icon_.ShowBalloon(context_.Text(TextId::BalloonFirstRunTitle),
                          context_.Text(TextId::BalloonFirstRunText));
        return;
    }
    const std::u16string text = std::u16string(context_.Text(TextId::BalloonNotKeptText).wide) +
                                u"\n" + context_.platform.os.MultiByteToWideChar(unwritableFolder);
    icon_.ShowBalloon(context_.Text(TextId::BalloonFirstRunTitle), UiText{"", text.c_str()});
}

} // namespace vm
