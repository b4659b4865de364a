// The settings file's sections-and-keys text, held as Shift-JIS bytes and
// written back with everything it held that the program does not know.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vm {

// Reading: lines end with CR LF, LF or a lone CR; every line is trimmed of
// blanks (space, tab). Blank lines, lines starting with ';' and lines before
// the first section header are dropped. "[name]" opens a section (the name
// ends at the first ']' or the line's end); any other line is a key, split at
// its first '=' into a trimmed key and value. A line without '=' is kept as a
// key without a value: it reads as missing and is written back as it was.
// Section and key names match ignoring the case of ASCII letters; when a
// name occurs twice, the first one counts and the later ones are only carried
// along. Time and memory grow linearly with the input.
//
// Writing: each section as "[name]", its keys as "key=value" in their order,
// then one blank line; every line ends with CR LF. New sections and keys go
// to the end.
class IniFile {
public:
    static IniFile Parse(std::string_view bytes);
    std::string Serialize() const;

    // The value of a key that is present with '='; nullopt otherwise.
    std::optional<std::string_view> ReadValue(std::string_view section, std::string_view key) const;
    // Replaces the key's value or appends the key (and its section). Line
    // breaks in the value become spaces, so a value never spills into lines
    // of its own that would read back as other keys or sections.
    void WriteValue(std::string_view section, std::string_view key, std::string_view value);

    // Typed access in the form the settings use: a missing key, or one that
    // is not a number, gives the default; booleans are integers, nonzero
    // meaning true. A value ends at a NUL byte, as the system's texts do,
    // and is then trimmed as if its line ended there.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) {
        WriteValue(section, key, value);
    }
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value) {
        WriteValue(section, key, value ? "1" : "0");
    }

private:
    // The value up to its first NUL byte, trimmed.
    std::optional<std::string_view> ReadText(std::string_view section, std::string_view key) const;

    struct Entry {
        std::string key;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        // Folded key name -> index of its first entry.
        std::unordered_map<std::string, std::size_t> index;
    };

    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);
    static void AddEntry(Section& section, Entry entry);

    std::vector<Section> sections_;
    // Folded section name -> index of its first section.
    std::unordered_map<std::string, std::size_t> sectionIndex_;
};

} // namespace vm
