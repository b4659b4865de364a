#include "settings/ini_file.h"

#include <utility>

#include "encoding/text.h"
#include "settings/ini_integer.h"

namespace vm {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The lookup form of a name: ASCII letters upper-cased, the two bytes of a
// double-byte character left alone, so two names fold alike exactly when
// EqualsIgnoreCase holds for them.
std::string FoldName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const char c = folded[i];
        if (IsLeadByte(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            folded[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

// Whether the text ends in a lead byte that lacks its trail byte.
bool EndsInLoneLeadByte(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
            if (i + 1 == text.size())
                return true;
            i += 2;
        } else {
            ++i;
        }
    }
    return false;
}

// The text of a section header between '[' and the first ']' that is not
// the trail byte of a double-byte character, trimmed. A lead byte left
// without its trail byte (at the line's end, or by the trimming) is dropped:
// written back before the closing ']', it would take the bracket as its
// trail and the name would change.
std::string_view SectionName(std::string_view line) {
    std::string_view name = line.substr(1);
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(name[i]))) {
            ++i;
        } else if (name[i] == ']') {
            name = name.substr(0, i);
            break;
        }
    }
    name = Trim(name);
    while (EndsInLoneLeadByte(name))
        name = Trim(name.substr(0, name.size() - 1));
    return name;
}

// Calls onLine for every line; CR LF, LF and a lone CR each end a line.
template <typename OnLine>
void ForEachLine(std::string_view bytes, OnLine onLine) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        onLine(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        onLine(bytes.substr(start));
}

std::string OnOneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

} // namespace

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile file;
    Section* current = nullptr;
    ForEachLine(bytes, [&](std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';')
            return;
        if (line.front() == '[') {
            current = &file.AddSection(SectionName(line));
            return;
        }
        if (current == nullptr)
            return;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            AddEntry(*current, Entry{std::string(line), {}, false});
        } else {
            AddEntry(*current, Entry{std::string(Trim(line.substr(0, equals))),
                                     std::string(Trim(line.substr(equals + 1))), true});
        }
    });
    return file;
}

std::string IniFile::Serialize() const {
    std::string out;
    for (const Section& section : sections_) {
        out += '[';
        out += section.name;
        out += "]\r\n";
        for (const Entry& entry : section.entries) {
            out += entry.key;
            if (entry.hasValue) {
                out += '=';
                out += entry.value;
            }
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

std::optional<std::string_view> IniFile::ReadValue(std::string_view section,
                                                   std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr)
        return std::nullopt;
    const auto it = found->index.find(FoldName(key));
    if (it == found->index.end())
        return std::nullopt;
    const Entry& entry = found->entries[it->second];
    if (!entry.hasValue)
        return std::nullopt;
    return std::string_view(entry.value);
}

void IniFile::WriteValue(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = FindSection(section);
    Section& target = found != nullptr ? *found : AddSection(section);
    const auto it = target.index.find(FoldName(key));
    if (it == target.index.end()) {
        AddEntry(target, Entry{std::string(key), OnOneLine(value), true});
        return;
    }
    Entry& entry = target.entries[it->second];
    entry.value = OnOneLine(value);
    entry.hasValue = true;
}

std::optional<std::string_view> IniFile::ReadText(std::string_view section,
                                                  std::string_view key) const {
    const std::optional<std::string_view> value = ReadValue(section, key);
    if (!value)
        return std::nullopt;
    return Trim(value->substr(0, value->find('\0')));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return std::string(ReadText(section, key).value_or(defaultValue));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const std::optional<std::string_view> text = ReadText(section, key);
    if (!text)
        return defaultValue;
    return ParseIniInteger(*text).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteValue(section, key, std::to_string(value));
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    const auto it = sectionIndex_.find(FoldName(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    const auto it = sectionIndex_.find(FoldName(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::AddSection(std::string_view name) {
    sectionIndex_.emplace(FoldName(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

void IniFile::AddEntry(Section& section, Entry entry) {
    section.index.emplace(FoldName(entry.key), section.entries.size());
    section.entries.push_back(std::move(entry));
}

} // namespace vm
