#include "translations/ui_texts.h"

#include <array>

namespace vm {

namespace {

constexpr std::uint16_t kLangJapanese = 0x11;
constexpr std::uint16_t kPrimaryLanguageMask = 0x3FF;
constexpr std::uint32_t kShiftJisCodePage = 932;

using Lookup = std::array<UiText, kTextCount>;

Lookup Index(std::span<const TextEntry> table) {
    Lookup lookup;
    lookup.fill(UiText{"", u""});
    for (const TextEntry& entry : table) {
        const auto at = static_cast<std::size_t>(entry.id);
        if (at < lookup.size())
            lookup[at] = entry.text;
    }
    return lookup;
}

} // namespace

std::span<const TextEntry> TextTable(Language language) {
    return language == Language::Japanese ? JapaneseTextTable() : EnglishTextTable();
}

UiText Text(Language language, TextId id) {
    static const Lookup japanese = Index(JapaneseTextTable());
    static const Lookup english = Index(EnglishTextTable());
    const auto at = static_cast<std::size_t>(id);
    if (at >= kTextCount)
        return UiText{"", u""};
    return language == Language::Japanese ? japanese[at] : english[at];
}

std::uint32_t TextCodePage(Language language) {
    return language == Language::Japanese ? kShiftJisCodePage : 0;
}

const char* AnsiText(Language language, TextId id, std::uint32_t systemCodePage) {
    const std::uint32_t codePage = TextCodePage(language);
    if (codePage != 0 && codePage != systemCodePage)
        return Text(Language::English, id).ansi;
    return Text(language, id).ansi;
}

std::optional<Language> ParseLanguageSetting(std::string_view value) {
    if (value == "ja")
        return Language::Japanese;
    if (value == "en")
        return Language::English;
    return std::nullopt;
}

Language ChooseLanguage(std::optional<Language> setting, std::uint16_t userUiLanguage) {
    if (setting)
        return *setting;
    return (userUiLanguage & kPrimaryLanguageMask) == kLangJapanese ? Language::Japanese
                                                                    : Language::English;
}

} // namespace vm
