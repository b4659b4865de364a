// A one-line text field holding ANSI text, limited to MaxLength bytes.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class Edit : public Control {
public:
    Edit(std::string name, std::size_t maxLength = 0)
        : Control(std::move(name)), maxLength_(maxLength) {}

    const std::string& Text() const { return text_; }
    // Text set by code is kept whole, as the window's text would be.
    void SetText(std::string text) { text_ = std::move(text); }
    // What the user types is cut to the field's limit (0: no limit).
    void Type(std::string text);
    std::size_t MaxLength() const { return maxLength_; }

private:
    std::string text_;
    std::size_t maxLength_;
};

} // namespace vm
