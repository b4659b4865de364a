// The program's own texts (captions, menu items, tips, messages, dialog
// titles, default values), one table per interface language, every table
// with the same keys. Each text comes twice: as the ANSI bytes the "A" calls
// take on a system whose code page is the table's (Shift-JIS for Japanese,
// ASCII for English), and as UTF-16 for the "W" calls, which show it right
// on every code page.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vm {

enum class Language : std::uint8_t { Japanese, English };

enum class TextId : std::uint8_t {
    AppTitle,
    MainFormCaption,
    DefaultMoveTitle,
    HintEnabled,
    HintDisabled,
    MenuHide,
    MenuEnabled,
    MenuMax,
    MenuRestore,
    MenuReSize,
    MenuHideOn,
    MenuDialog,
    MenuActive,
    MenuConfig,
    MenuExit,
    CheckTray,
    CheckCaption,
    CheckWave,
    CheckStartMenu,
    LabelTrans,
    ButtonBrowseExe,
    ButtonAddFromLog,
    ButtonDelete,
    ButtonBrowseWave,
    LabelPercent,
    ButtonDefault0,
    ButtonDefault1,
    ButtonDefault2,
    ButtonCustom0,
    ButtonCustom1,
    ButtonCustom2,
    ButtonOK,
    ButtonCancel,
    GroupIgnore,
    GroupPosition,
    GroupExtras,
    GroupIcons,
    GroupWait,
    LabelDefault,
    LabelCurrent,
    LabelSeconds,
    ButtonTrayMenu,
    ButtonStartUp,
    ButtonQuickLaunch,
    TrayOffMessage,
    MessageCaption,
    IconDialogTitle,
    IconDialogFilter,
    DialogChooseFile,
    DialogChooseSound,
    FilterPrograms,
    FilterSounds,
    SaveFailed,
    SaveFailedQuestion,
    AskStartUp,
    AskQuickLaunch,
    ShortcutDescription,
    ShortcutFolderNotFound,
    BalloonFirstRunTitle,
    BalloonFirstRunText,
    BalloonNotKeptText,
    BalloonSuspendedTitle,
    BalloonSuspendedText,
    AccIgnoreList,
    AccLogList,
    AccSlider,
    AccTitleField,
    AccSoundField,
    AccTransCheck,
    AccTransField,
    AccTransSpin,
    AccWaitField,
    AccWaitSpin,
    AccBrowseExe,
    AccBrowseSound,
    AccDefault0,
    AccDefault1,
    AccDefault2,
    AccCurrent0,
    AccCurrent1,
    AccCurrent2,
    Count
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);

struct UiText {
    const char* ansi;
    const char16_t* wide;
};

struct TextEntry {
    TextId id;
    UiText text;
};

// The tables as written, for the checks that every one is complete.
std::span<const TextEntry> JapaneseTextTable();
std::span<const TextEntry> EnglishTextTable();
std::span<const TextEntry> TextTable(Language language);

// One text of a language; a key missing from a table reads as empty.
UiText Text(Language language, TextId id);

// The ANSI code page a table's bytes are written in; 0 for ASCII, which
// every code page reads alike.
std::uint32_t TextCodePage(Language language);

// The ANSI bytes of a text for a system of the given code page: the table's
// own when the table is written in that code page (or in ASCII), else the
// English text, which every code page can hold. For texts the program
// stores or passes on as ANSI.
const char* AnsiText(Language language, TextId id, std::uint32_t systemCodePage);

// The value of the settings file's Language key: "ja" or "en" exactly;
// anything else (no key included) means the automatic choice.
std::optional<Language> ParseLanguageSetting(std::string_view value);

// Japanese when the user's interface language has the primary language
// Japanese, else English; a valid setting overrides it.
Language ChooseLanguage(std::optional<Language> setting, std::uint16_t userUiLanguage);

} // namespace vm
