// Text written into a numeric field comes from other programs (WM_SETTEXT,
// the clipboard). Whatever it holds, the field shows at most its digits,
// and what it shows reads back as the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "ui/nval_text.h"

namespace {

vm::NValFormat FormatFrom(const std::uint8_t* data) {
    vm::NValFormat format;
    format.maxDigits = data[0] % vm::kNValMaxDigits + 1;
    format.fixDecimal = data[1] % (format.maxDigits + 1) - 1;
    format.zeroDisplay = (data[2] & 1) != 0;
    format.putAComma = (data[2] & 2) != 0;
    format.prmtNegative = (data[2] & 4) != 0;
    format.leadingChar = static_cast<char>(data[3]);
    return format;
}

std::size_t DigitsShown(std::string_view text, char leadingChar) {
    if (!text.empty() && text[0] == leadingChar)
        text.remove_prefix(1);
    std::size_t digits = 0;
    for (char c : text)
        digits += c >= '0' && c <= '9' ? 1 : 0;
    return digits;
}

// Shows the value, checks the digit limit, and checks that the shown text
// reads back as a value that shows the same text. The separators are
// counted over the places before the point, a minus sign among them, so a
// negative number with separators may read back as 0 ("-999,999").
void CheckShown(double value, const vm::NValFormat& format) {
    const std::string shown = vm::NValTextOf(value, format);
    if (DigitsShown(shown, format.leadingChar) > static_cast<std::size_t>(format.maxDigits))
        std::abort();
    if (shown.find('-') != std::string::npos && shown.find(',') != std::string::npos)
        return;
    const double again = vm::ParseNValText(shown, format.leadingChar);
    if (vm::NValTextOf(again, format) != shown)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const vm::NValFormat format = FormatFrom(data);
    // An exact copy, so any read past the text is caught.
    const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);

    if (vm::ToHalfWidth(text).size() > text.size())
        std::abort();
    CheckShown(vm::ParseNValText(text, format.leadingChar), format);

    // The same bytes as a raw value, for NaN, infinities and subnormals.
    if (text.size() >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, text.data(), sizeof raw);
        CheckShown(raw, format);
    }
    return 0;
}
