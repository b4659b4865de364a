// The numeric entry field TNValEdit: an edit control whose text always
// shows its value in the field's format. The text is the one copy of the
// value; it is read back through the parsing rule.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "ui/edit.h"
#include "ui/nval_text.h"

namespace vm {

class NValEdit : public Edit {
public:
    NValEdit(std::string name, const NValFormat& format)
        : Edit(std::move(name), static_cast<std::size_t>(format.maxDigits)), format_(format) {
        SetValue(0);
    }

    // Normalises the value and shows it in the field's format.
    void SetValue(double value) { SetText(NValTextOf(value, format_)); }
    double Value() const { return ParseNValText(Text(), format_.leadingChar); }

protected:
    // Single-line: a multi-line edit would keep Enter and Esc from the
    // window's default and cancel buttons (and close the window on Esc).
    std::uint32_t KindStyle() const override { return Edit::KindStyle() | es::RIGHT; }

private:
    NValFormat format_;
};

} // namespace vm
