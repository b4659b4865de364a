// The text rules of the numeric entry field TNValEdit: how a value is
// normalised to the field's digit limits, how it is shown, and how a text
// written into the field is read back as a number. Pure functions on
// Shift-JIS (code page 932) byte strings; the edit control builds on them.
#pragma once

#include <string>
#include <string_view>

namespace vm {

// The properties of a field that decide its text.
struct NValFormat {
    int maxDigits = 9;        // digits in total, decimals included, 1..15
    int fixDecimal = -1;      // decimals shown; -1: as many as the value has
    bool zeroDisplay = false; // zero shows "0" (otherwise nothing)
    bool putAComma = true;    // thousands separators
    bool prmtNegative = true; // negative values allowed
    char leadingChar = ' ';   // symbol in front of the number; ' ' means none
};

// The two fields of the settings window: translucency in percent and the
// start-up delay in seconds.
inline constexpr NValFormat kTxtTransFormat{3, 0, true, false, false, ' '};
inline constexpr NValFormat kTxtWaitFormat{2, 0, true, false, false, ' '};

inline constexpr int kNValMinDigits = 1;
inline constexpr int kNValMaxDigits = 15;

// A new MaxDigits is taken only within 1..15 and above FixDecimal.
bool AcceptsMaxDigits(int maxDigits, int fixDecimal);
// A new FixDecimal brought into -1..maxDigits-1.
int CorrectedFixDecimal(int fixDecimal, int maxDigits);
// The value with the decimals beyond `decimals` dropped (toward zero);
// the value itself for a negative count.
double TruncateDecimals(double value, int decimals);

// A value after normalising: what the field holds and what it shows.
struct NValNormalised {
    double value = 0;        // the value held (clamped, cut, sign handled)
    bool negative = false;   // shown with a minus sign
    bool shownAsZero = true; // below the zero threshold: shows "0" or nothing
    std::string magnitude;   // the shown magnitude before rounding ("12.3")
    int width = 0;           // characters of `magnitude`
    int decimals = 0;        // decimals shown
};

// Normalises a value set into a field of this format: the sign rule, the
// zero threshold, the clamp to the largest value the digits allow, and the
// cut to MaxDigits digits. NaN counts as 0; infinities are clamped.
NValNormalised NormaliseNValue(double value, const NValFormat& format);

// The text the field shows for a normalised value: rounded half away from
// zero to the shown decimals, thousands separators when PutAComma, a minus
// sign when negative, LeadingChar (other than a space) in front of
// anything shown. Never more digits than MaxDigits.
std::string FormatNValText(const NValNormalised& normalised, const NValFormat& format);

// Normalise and format in one step.
std::string NValTextOf(double value, const NValFormat& format);

// Full-width characters of the ASCII range (digits, signs, letters,
// punctuation, the ideographic space, the yen sign) become their
// half-width forms; every other character stays as it is. A lone lead byte
// at the end stays too.
std::string ToHalfWidth(std::string_view text);

// Reads a text written into the field as a number: half-width first, then
// a leading LeadingChar removed (when that is a space: a leading "$" or
// "\"), then only digits, "+", "-", "." and well-placed thousands
// separators ("1,234" and "1,234,567.5", never "12,34" or "1234,567") are
// accepted. Anything else, a double-byte character, or a text that is not
// one optionally signed decimal number gives 0. A number too large for a
// double reads as the largest double (the field clamps it anyway).
double ParseNValText(std::string_view text, char leadingChar);

} // namespace vm
