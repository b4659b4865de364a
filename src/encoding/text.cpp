#include "encoding/text.h"

#include <cstddef>

namespace vm {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string AsciiUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string AsciiLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

namespace {
char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i]))) {
            if (a[i] != b[i])
                return false;
            if (i + 1 < a.size()) {
                ++i;
                if (a[i] != b[i])
                    return false;
            }
            continue;
        }
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

std::string CutAtNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return std::string(nul == std::string_view::npos ? text : text.substr(0, nul));
}

std::string DialogFilter(std::string_view filter) {
    std::string pairs(filter);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(pairs[i])))
            ++i;
        else if (pairs[i] == '|')
            pairs[i] = '\0';
    }
    pairs.push_back('\0');
    return pairs;
}

} // namespace vm
