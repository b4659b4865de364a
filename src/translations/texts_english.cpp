// The English interface: plain ASCII, the same bytes on every code page.
#include "translations/ui_texts.h"

namespace vm {

namespace {

// Each text once, as ANSI bytes and as UTF-16.
#define VM_ENGLISH(id, text)                                                                       \
    {                                                                                              \
        TextId::id, {                                                                              \
            text, u"" text                                                                         \
        }                                                                                          \
    }

constexpr TextEntry kEnglish[] = {
    VM_ENGLISH(AppTitle, "Velmora!"),
    VM_ENGLISH(MainFormCaption, "Velmora! - Settings"),
    VM_ENGLISH(DefaultMoveTitle, "Not under the taskbar!"),
    VM_ENGLISH(HintEnabled, "Velmora! [On]"),
    VM_ENGLISH(HintDisabled, "Velmora! [Off]"),
    VM_ENGLISH(MenuHide, "&Hide the taskbar"),
    VM_ENGLISH(MenuEnabled, "&Enabled"),
    VM_ENGLISH(MenuMax, "Also &maximized windows"),
    VM_ENGLISH(MenuRestore, "&Restore maximized windows"),
    VM_ENGLISH(MenuReSize, "Shrink to &fit"),
    VM_ENGLISH(MenuHideOn, "&Keep the taskbar's area"),
    VM_ENGLISH(MenuDialog, "Center &dialog boxes"),
    VM_ENGLISH(MenuActive, "Move the &active window only once"),
    VM_ENGLISH(MenuConfig, "&Settings..."),
    VM_ENGLISH(MenuExit, "E&xit"),
    VM_ENGLISH(CheckTray, "S&how the tray icon"),
    VM_ENGLISH(CheckCaption, "Change the &title of a moved window"),
    VM_ENGLISH(CheckWave, "Play a sound &when a window moves"),
    VM_ENGLISH(CheckStartMenu, "Start men&u"),
    VM_ENGLISH(LabelTrans, "Tas&kbar opacity"),
    VM_ENGLISH(ButtonBrowseExe, "&Browse..."),
    VM_ENGLISH(ButtonAddFromLog, "&Add"),
    VM_ENGLISH(ButtonDelete, "&Delete"),
    VM_ENGLISH(ButtonBrowseWave, "B&rowse..."),
    VM_ENGLISH(LabelPercent, "%"),
    VM_ENGLISH(ButtonDefault0, "&Normal"),
    VM_ENGLISH(ButtonDefault1, "&Moving"),
    VM_ENGLISH(ButtonDefault2, "St&opped"),
    VM_ENGLISH(ButtonCustom0, "Norma&l"),
    VM_ENGLISH(ButtonCustom1, "Mo&ving"),
    VM_ENGLISH(ButtonCustom2, "&Stopped"),
    VM_ENGLISH(ButtonOK, "OK"),
    VM_ENGLISH(ButtonCancel, "Cancel"),
    VM_ENGLISH(GroupIgnore, "&Ignored windows"),
    VM_ENGLISH(GroupPosition, "&Position"),
    VM_ENGLISH(GroupExtras, "&Extras"),
    VM_ENGLISH(GroupIcons, "Tray i&cons"),
    VM_ENGLISH(GroupWait, "Start-up dela&y"),
    VM_ENGLISH(LabelDefault, "Default"),
    VM_ENGLISH(LabelCurrent, "Current"),
    VM_ENGLISH(LabelSeconds, "sec"),
    VM_ENGLISH(ButtonTrayMenu, "Tray icon menu"),
    VM_ENGLISH(ButtonStartUp, "Add to Startup (resident)"),
    VM_ENGLISH(ButtonQuickLaunch, "Add to Quick Launch (one pass)"),
    VM_ENGLISH(TrayOffMessage, "To show the tray icon again, start Velmora again or dock the "
                               "taskbar at another edge."),
    VM_ENGLISH(MessageCaption, "Velmora!"),
    VM_ENGLISH(IconDialogTitle, "Choose an icon"),
    VM_ENGLISH(IconDialogFilter, "Icons (*.ico)|*.ico"),
    VM_ENGLISH(DialogChooseFile, "Choose a program"),
    VM_ENGLISH(DialogChooseSound, "Choose a sound"),
    VM_ENGLISH(FilterPrograms, "Programs (*.exe)|*.exe"),
    VM_ENGLISH(FilterSounds, "Sounds (*.wav)|*.wav"),
    VM_ENGLISH(SaveFailed, "The settings could not be saved:"),
    VM_ENGLISH(SaveFailedQuestion,
               "If you exit now, the changes since the last save are lost. Exit anyway?"),
    VM_ENGLISH(AskStartUp, "Add Velmora to your Startup folder?"),
    VM_ENGLISH(AskQuickLaunch, "Add Velmora to Quick Launch?"),
    VM_ENGLISH(ShortcutDescription, "Keeps windows out from under a top taskbar"),
    VM_ENGLISH(ShortcutFolderNotFound, "The folder for the shortcut was not found."),
    VM_ENGLISH(BalloonFirstRunTitle, "Velmora! is running"),
    VM_ENGLISH(BalloonFirstRunText,
               "Its icon is in the notification area (on Windows 7 and later, under the ^ arrow "
               "beside the clock).\nRight-click the icon for the options and the settings."),
    VM_ENGLISH(BalloonNotKeptText,
               "The settings cannot be kept in this folder; changes are lost at exit:"),
    VM_ENGLISH(BalloonSuspendedTitle, "Velmora! is paused"),
    VM_ENGLISH(BalloonSuspendedText,
               "It works only while the taskbar is docked at the top of the screen.\nUnlock the "
               "taskbar and drag it to the top edge\n(on Windows 10: taskbar settings, \"Taskbar "
               "location on screen\": Top).\nIt resumes by itself."),
    VM_ENGLISH(AccIgnoreList, "Windows left alone"),
    VM_ENGLISH(AccLogList, "Log of moved windows"),
    VM_ENGLISH(AccSlider, "Watch position"),
    VM_ENGLISH(AccTitleField, "Title shown on a moved window"),
    VM_ENGLISH(AccSoundField, "Sound file to play"),
    VM_ENGLISH(AccTransCheck, "Make the taskbar translucent"),
    VM_ENGLISH(AccTransField, "Taskbar opacity (%)"),
    VM_ENGLISH(AccTransSpin, "Change the taskbar opacity"),
    VM_ENGLISH(AccWaitField, "Start-up delay (seconds)"),
    VM_ENGLISH(AccWaitSpin, "Change the start-up delay"),
    VM_ENGLISH(AccBrowseExe, "Browse for a program to leave alone"),
    VM_ENGLISH(AccBrowseSound, "Browse for a sound file"),
    VM_ENGLISH(AccDefault0, "Default: Normal"),
    VM_ENGLISH(AccDefault1, "Default: Moving"),
    VM_ENGLISH(AccDefault2, "Default: Stopped"),
    VM_ENGLISH(AccCurrent0, "Current: Normal"),
    VM_ENGLISH(AccCurrent1, "Current: Moving"),
    VM_ENGLISH(AccCurrent2, "Current: Stopped"),
};

#undef VM_ENGLISH

} // namespace

std::span<const TextEntry> EnglishTextTable() {
    return kEnglish;
}

} // namespace vm
