#include "sim_desktop/cp932.h"

#include <cstring>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vm::sim {

static_assert(std::endian::native == std::endian::little,
              "UTF-16 texts are handed to iconv as UTF-16LE");

namespace {

bool IsLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrail(unsigned char byte) {
    return byte >= 0x40 && byte != 0x7F && byte <= 0xFC;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between code page 932 and UTF-16");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in into out (sized by the caller for the worst case). On an
    // unconvertible sequence skip(in, left) tells how many input bytes to
    // drop, and the replacement is written in their place.
    template <typename Skip>
    std::size_t Run(const char* in, std::size_t inLeft, char* out, std::size_t outLeft,
                    std::string_view replacement, Skip skip) {
        char* inPtr = const_cast<char*>(in);
        char* outPtr = out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
                break;
            if (errno != EILSEQ && errno != EINVAL)
                break;
            const std::size_t skipped = std::min(inLeft, skip(inPtr, inLeft));
            inPtr += skipped;
            inLeft -= skipped;
            for (char c : replacement) {
                *outPtr++ = c;
                --outLeft;
            }
        }
        return static_cast<std::size_t>(outPtr - out);
    }

private:
    iconv_t cd_;
};

Converter& ToAnsi() {
    thread_local Converter converter("CP932", "UTF-16LE");
    return converter;
}

Converter& ToWide() {
    thread_local Converter converter("UTF-16LE", "CP932");
    return converter;
}

char FoldByte(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string ToCp932(std::u16string_view text) {
    // A UTF-16 unit becomes at most two bytes.
    std::string out(text.size() * 2, '\0');
    const auto skip = [](const char* at, std::size_t left) -> std::size_t {
        char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(at[0]) |
                                              (static_cast<unsigned char>(at[1]) << 8));
        return (IsHighSurrogate(unit) && left >= 4) ? 4 : 2;
    };
    out.resize(ToAnsi().Run(reinterpret_cast<const char*>(text.data()), text.size() * 2, out.data(),
                            out.size(), "?", skip));
    return out;
}

std::u16string FromCp932(std::string_view text) {
    // A byte becomes at most one UTF-16 unit.
    std::u16string out(text.size(), u'\0');
    const auto skip = [](const char* at, std::size_t left) -> std::size_t {
        const bool pair = IsLead(static_cast<unsigned char>(at[0])) && left >= 2 &&
                          IsTrail(static_cast<unsigned char>(at[1]));
        return pair ? 2 : 1;
    };
    const std::size_t bytes =
        ToWide().Run(text.data(), text.size(), reinterpret_cast<char*>(out.data()), out.size() * 2,
                     std::string_view("?\0", 2), skip);
    out.resize(bytes / 2);
    return out;
}

std::size_t WholeCharPrefix(std::string_view text, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t width = IsLead(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + width > maxBytes)
            break;
        i += width;
    }
    return std::min(i, text.size());
}

std::string FoldAsciiCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (IsLead(static_cast<unsigned char>(out[i])))
            ++i;
        else
            out[i] = FoldByte(out[i]);
    }
    return out;
}

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsLead(static_cast<unsigned char>(a[i]))) {
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1]))
                return false;
            ++i;
        } else if (FoldByte(a[i]) != FoldByte(b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t LastBackslash(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLead(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            last = i;
    }
    return last;
}

int CopyAnsi(const std::string& text, char* buffer, int maxCount) {
    if (buffer == nullptr || maxCount <= 0)
        return 0;
    const std::size_t count = WholeCharPrefix(text, static_cast<std::size_t>(maxCount) - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

} // namespace vm::sim
