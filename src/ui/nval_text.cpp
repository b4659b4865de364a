#include "ui/nval_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

#include "encoding/text.h"

namespace vm {

namespace {

// Decimals of the fixed text every value is first written with.
constexpr int kTextDecimals = 14;

int ClampedMaxDigits(int maxDigits) {
    return std::clamp(maxDigits, kNValMinDigits, kNValMaxDigits);
}

// A leading symbol must be one printable single-byte character; anything
// else (a control character, a lone lead byte) means none.
char EffectiveLeadingChar(char leadingChar) {
    const auto byte = static_cast<unsigned char>(leadingChar);
    if (byte <= 0x20 || byte == 0x7F || IsLeadByte(byte))
        return ' ';
    return leadingChar;
}

// |value| as fixed text: the shortest text that reads back as the same
// double, rounded to 14 decimals when it has more, so that a value read
// from a shown text is written with the same digits again. The caller
// keeps the value within 1e15 or truncates it.
std::string FixedText(double magnitude) {
    char buffer[512];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    std::string text(buffer, result.ec == std::errc{} ? result.ptr : buffer);
    const std::size_t point = text.find('.');
    if (point != std::string::npos && text.size() - point - 1 > kTextDecimals) {
        result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed,
                               kTextDecimals);
        text.assign(buffer, result.ec == std::errc{} ? result.ptr : buffer);
    }
    return text;
}

void DropTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos)
        return;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
}

double ReadFixed(const std::string& text) {
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return result.ec == std::errc{} ? value : 0;
}

double PowerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

// Rounds a plain decimal text ("12.345") half away from zero to `decimals`
// decimals and pads it with zeros; returns the integer and fraction digits.
void RoundDecimalText(const std::string& text, int decimals, std::string& integer,
                      std::string& fraction) {
    const std::size_t point = text.find('.');
    integer = text.substr(0, point);
    fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (integer.empty())
        integer.push_back('0');
    const auto keep = static_cast<std::size_t>(decimals);
    const bool roundUp = fraction.size() > keep && fraction[keep] >= '5';
    fraction.resize(keep, '0');
    if (!roundUp)
        return;
    std::string digits = integer + fraction;
    std::size_t i = digits.size();
    while (i > 0) {
        --i;
        if (digits[i] != '9') {
            ++digits[i];
            break;
        }
        digits[i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
    }
    integer = digits.substr(0, digits.size() - keep);
    fraction = digits.substr(digits.size() - keep);
}

std::string WithThousandsSeparators(const std::string& integer) {
    std::string result;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            result += ',';
        result += integer[i];
    }
    return result;
}

bool IsAllZeros(const std::string& digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

struct FullWidthPair {
    std::uint16_t code;
    char ascii;
};

// Code page 932 codes of the full-width ASCII forms outside the runs of
// digits and letters, with the ideographic space and the yen sign.
constexpr FullWidthPair kFullWidthPunctuation[] = {
    {0x8140, ' '}, {0x8149, '!'}, {0xFA57, '"'},  {0xEEFC, '"'},  {0x8194, '#'}, {0x8190, '$'},
    {0x8193, '%'}, {0x8195, '&'}, {0xFA56, '\''}, {0xEEFB, '\''}, {0x8169, '('}, {0x816A, ')'},
    {0x8196, '*'}, {0x817B, '+'}, {0x8143, ','},  {0x817C, '-'},  {0x8144, '.'}, {0x815E, '/'},
    {0x8146, ':'}, {0x8147, ';'}, {0x8183, '<'},  {0x8181, '='},  {0x8184, '>'}, {0x8148, '?'},
    {0x8197, '@'}, {0x816D, '['}, {0x815F, '\\'}, {0x816E, ']'},  {0x814F, '^'}, {0x8151, '_'},
    {0x814D, '`'}, {0x816F, '{'}, {0x8162, '|'},  {0x8170, '}'},  {0x8160, '~'}, {0x818F, '\\'},
};

// The half-width form of one double-byte character, or 0.
char HalfWidthOf(std::uint16_t code) {
    if (code >= 0x824F && code <= 0x8258)
        return static_cast<char>('0' + (code - 0x824F));
    if (code >= 0x8260 && code <= 0x8279)
        return static_cast<char>('A' + (code - 0x8260));
    if (code >= 0x8281 && code <= 0x829A)
        return static_cast<char>('a' + (code - 0x8281));
    for (const FullWidthPair& pair : kFullWidthPunctuation) {
        if (pair.code == code)
            return pair.ascii;
    }
    return 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the characters and the separators; false makes the text 0. A
// separator stands only before the decimal point (or the end), never
// first, and a multiple of four places left of the point; there must be
// exactly as many as the characters before the point need, a leading sign
// counted among them ("-999,999" gives 0, "-99,999" is read).
bool AcceptsCharacters(const std::string& text) {
    const std::size_t point = std::min(text.find('.'), text.size());
    std::size_t commas = 0;
    for (std::size_t i = text.size(); i > 0;) {
        --i;
        const char c = text[i];
        if (IsLeadByte(static_cast<unsigned char>(c)))
            return false;
        if (IsDigit(c) || c == '+' || c == '-' || c == '.')
            continue;
        if (c != ',' || i == 0 || i >= point || (point - i) % 4 != 0)
            return false;
        ++commas;
    }
    if (commas == 0)
        return true;
    const std::size_t integerChars = point - commas;
    return integerChars > 0 && commas == (integerChars - 1) / 3;
}

// One optionally signed decimal number: digits with at most one point,
// at least one digit.
double ConvertNumber(const std::string& text) {
    std::size_t start = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        start = 1;
    }
    const std::string body = text.substr(start);
    std::size_t digits = 0;
    std::size_t points = 0;
    bool nonZeroBeforePoint = false;
    for (char c : body) {
        if (c == '.') {
            ++points;
        } else if (IsDigit(c)) {
            ++digits;
            nonZeroBeforePoint = nonZeroBeforePoint || (points == 0 && c != '0');
        } else {
            return 0;
        }
    }
    if (digits == 0 || points > 1)
        return 0;
    double value = 0;
    const auto result =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        value = nonZeroBeforePoint ? std::numeric_limits<double>::max() : 0.0;
    else if (result.ec != std::errc{} || result.ptr != body.data() + body.size())
        return 0;
    return negative ? -value : value;
}

} // namespace

bool AcceptsMaxDigits(int maxDigits, int fixDecimal) {
    return maxDigits >= kNValMinDigits && maxDigits <= kNValMaxDigits && maxDigits > fixDecimal;
}

int CorrectedFixDecimal(int fixDecimal, int maxDigits) {
    return std::clamp(fixDecimal, -1, std::max(ClampedMaxDigits(maxDigits) - 1, -1));
}

double TruncateDecimals(double value, int decimals) {
    if (decimals < 0 || !std::isfinite(value))
        return value;
    std::string text = FixedText(std::fabs(value));
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.resize(std::min(text.size(), point + 1 + static_cast<std::size_t>(decimals)));
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    const double magnitude = ReadFixed(text);
    return value < 0 ? -magnitude : magnitude;
}

NValNormalised NormaliseNValue(double value, const NValFormat& format) {
    const int m = ClampedMaxDigits(format.maxDigits);
    const int n = CorrectedFixDecimal(format.fixDecimal, m);
    if (std::isnan(value))
        value = 0;

    NValNormalised result;
    result.negative = value < 0 && format.prmtNegative;
    double magnitude = std::fabs(value);

    const double threshold = n >= 0 ? 5 * PowerOfTen(-(n + 1)) : 5 * PowerOfTen(-m);
    const double largest = n >= 0 ? PowerOfTen(m - n) - PowerOfTen(-n) : PowerOfTen(m) - 1;

    if (magnitude >= threshold) {
        magnitude = std::min(magnitude, largest);
        std::string text = FixedText(magnitude);
        DropTrailingZeros(text);
        const auto cut = static_cast<std::size_t>(m) + 1;
        if (text.find('.') != std::string::npos && text.size() > cut) {
            text.resize(cut);
            DropTrailingZeros(text);
            magnitude = ReadFixed(text);
        }
        const std::size_t point = text.find('.');
        result.shownAsZero = magnitude == 0;
        result.magnitude = text;
        result.width = static_cast<int>(text.size());
        result.decimals = n >= 0                       ? n
                          : point == std::string::npos ? 0
                                                       : static_cast<int>(text.size() - point - 1);
    }
    // A value shown as zero never carries a minus sign.
    if (result.shownAsZero)
        result.negative = false;
    result.value = value < 0 && format.prmtNegative ? -magnitude : magnitude;
    return result;
}

std::string FormatNValText(const NValNormalised& normalised, const NValFormat& format) {
    std::string text;
    std::string integer;
    std::string fraction;
    if (!normalised.shownAsZero)
        RoundDecimalText(normalised.magnitude, std::max(normalised.decimals, 0), integer, fraction);
    if (normalised.shownAsZero || IsAllZeros(integer + fraction)) {
        if (format.zeroDisplay)
            text.push_back('0');
    } else {
        text = format.putAComma ? WithThousandsSeparators(integer) : integer;
        if (!fraction.empty())
            text += "." + fraction;
        if (normalised.negative)
            text.insert(text.begin(), '-');
    }
    const char leading = EffectiveLeadingChar(format.leadingChar);
    if (leading != ' ' && !text.empty())
        text.insert(text.begin(), leading);
    return text;
}

std::string NValTextOf(double value, const NValFormat& format) {
    return FormatNValText(NormaliseNValue(value, format), format);
}

std::string ToHalfWidth(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsLeadByte(byte) || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        const char half = HalfWidthOf(static_cast<std::uint16_t>(byte << 8 | trail));
        if (half != 0) {
            result += half;
        } else {
            result += text[i];
            result += text[i + 1];
        }
        ++i;
    }
    return result;
}

double ParseNValText(std::string_view text, char leadingChar) {
    std::string half = ToHalfWidth(text);
    const char leading = EffectiveLeadingChar(leadingChar);
    if (!half.empty()) {
        const bool strip =
            leading != ' ' ? half[0] == leading : (half[0] == '$' || half[0] == '\\');
        if (strip)
            half.erase(half.begin());
    }
    if (!AcceptsCharacters(half))
        return 0;
    half.erase(std::remove(half.begin(), half.end(), ','), half.end());
    return ConvertNumber(half);
}

} // namespace vm
