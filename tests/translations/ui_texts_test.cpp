#include "translations/ui_texts.h"

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../encoding/iconv_text.h"

namespace vm {
namespace {

constexpr Language kLanguages[] = {Language::Japanese, Language::English};

std::u16string Cp932ToUtf16(const std::string& bytes) {
    const std::string out = IconvConvert(bytes, "CP932", "UTF-16LE");
    std::u16string text;
    for (std::size_t i = 0; i + 1 < out.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(out[i]) |
                                             (static_cast<unsigned char>(out[i + 1]) << 8)));
    return text;
}

TEST(UiTexts, EveryTableHoldsEveryKeyOnceAndNoTextIsEmpty) {
    for (const Language language : kLanguages) {
        std::map<TextId, int> seen;
        for (const TextEntry& entry : TextTable(language)) {
            ++seen[entry.id];
            EXPECT_NE(std::string(entry.text.ansi), "") << static_cast<int>(entry.id);
            EXPECT_NE(std::u16string(entry.text.wide), u"") << static_cast<int>(entry.id);
        }
        for (std::size_t id = 0; id < kTextCount; ++id)
            EXPECT_EQ(seen[static_cast<TextId>(id)], 1)
                << "language " << static_cast<int>(language) << ", key " << id;
    }
}

TEST(UiTexts, BothFormsOfEveryTextAreTheSameText) {
    for (const TextEntry& entry : JapaneseTextTable())
        EXPECT_EQ(Cp932ToUtf16(entry.text.ansi), entry.text.wide) << static_cast<int>(entry.id);
    for (const TextEntry& entry : EnglishTextTable()) {
        const std::string ansi = entry.text.ansi;
        EXPECT_EQ(std::u16string(ansi.begin(), ansi.end()), entry.text.wide);
        // Printable ASCII; a balloon's text breaks its lines itself, as not
        // every shell wraps them.
        for (const char c : ansi)
            EXPECT_TRUE((c >= 0x20 && c < 0x7F) || c == '\n') << ansi;
    }
}

// The letter after a single '&', upper-cased; none for "&&" or no '&'.
std::optional<char> Mnemonic(std::u16string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return std::nullopt;
}

TEST(UiTexts, UnderlinedLettersAreUniqueWithinTheMenuAndWithinTheSettingsWindow) {
    const std::vector<TextId> menu = {TextId::MenuHide,    TextId::MenuEnabled, TextId::MenuMax,
                                      TextId::MenuRestore, TextId::MenuReSize,  TextId::MenuHideOn,
                                      TextId::MenuDialog,  TextId::MenuActive,  TextId::MenuConfig,
                                      TextId::MenuExit};
    const std::vector<TextId> window = {
        TextId::GroupIgnore,    TextId::ButtonBrowseExe,   TextId::ButtonAddFromLog,
        TextId::ButtonDelete,   TextId::GroupPosition,     TextId::GroupExtras,
        TextId::CheckCaption,   TextId::CheckWave,         TextId::ButtonBrowseWave,
        TextId::LabelTrans,     TextId::CheckStartMenu,    TextId::GroupIcons,
        TextId::ButtonDefault0, TextId::ButtonDefault1,    TextId::ButtonDefault2,
        TextId::ButtonCustom0,  TextId::ButtonCustom1,     TextId::ButtonCustom2,
        TextId::GroupWait,      TextId::CheckTray,         TextId::ButtonTrayMenu,
        TextId::ButtonStartUp,  TextId::ButtonQuickLaunch, TextId::ButtonOK,
        TextId::ButtonCancel,   TextId::LabelDefault,      TextId::LabelCurrent,
        TextId::LabelSeconds,   TextId::LabelPercent};
    for (const Language language : kLanguages) {
        for (const auto* group : {&menu, &window}) {
            std::set<char> letters;
            for (const TextId id : *group) {
                const std::optional<char> letter = Mnemonic(Text(language, id).wide);
                if (!letter)
                    continue;
                EXPECT_TRUE(letters.insert(*letter).second)
                    << "language " << static_cast<int>(language) << ": '" << *letter
                    << "' twice, again in key " << static_cast<int>(id);
            }
            // Every menu item and every control but the plain labels and buttons
            // without one in the design has its letter.
            EXPECT_EQ(letters.size(), group == &menu ? menu.size() : 20u);
        }
    }
}

TEST(UiTexts, TheLanguageIsTheSettingWhenValidElseTheUsersInterfaceLanguage) {
    struct Case {
        const char* setting;
        std::uint16_t uiLanguage;
        Language expected;
    };
    const Case cases[] = {
        {"", 0x0411, Language::Japanese},  // Japanese (Japan)
        {"", 0x0409, Language::English},   // English (United States)
        {"", 0x0407, Language::English},   // German
        {"", 0x0011, Language::Japanese},  // Japanese, no sublanguage
        {"", 0x0000, Language::English},   // nothing known
        {"en", 0x0411, Language::English}, // the key overrides
        {"ja", 0x0409, Language::Japanese},
        {"JA", 0x0409, Language::English}, // not a value the key knows: automatic
        {"ja ", 0x0409, Language::English},
        {"fr", 0x0411, Language::Japanese},
        {"japanese", 0x0409, Language::English},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLanguage(ParseLanguageSetting(c.setting), c.uiLanguage), c.expected)
            << '"' << c.setting << "\", " << c.uiLanguage;
    }
}

TEST(UiTexts, AnsiTextFallsBackToEnglishWhereTheCodePageCannotHoldTheTable) {
    const UiText ja = Text(Language::Japanese, TextId::DefaultMoveTitle);
    const UiText en = Text(Language::English, TextId::DefaultMoveTitle);
    EXPECT_EQ(std::string(AnsiText(Language::Japanese, TextId::DefaultMoveTitle, 932)), ja.ansi);
    EXPECT_EQ(std::string(AnsiText(Language::Japanese, TextId::DefaultMoveTitle, 1252)), en.ansi);
    EXPECT_EQ(std::string(AnsiText(Language::English, TextId::DefaultMoveTitle, 932)), en.ansi);
    EXPECT_EQ(std::string(AnsiText(Language::English, TextId::DefaultMoveTitle, 1252)), en.ansi);
}

} // namespace
} // namespace vm
