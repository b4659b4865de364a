// A one-line text field holding ANSI text; what the user types is limited
// to MaxLength characters (0: no limit).
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

    std::string Text() const { return window_ != 0 ? WindowText() : text_; }
    // Text set by code is kept whole, as the window's text would be.
    void SetText(std::string text) {
        if (window_ != 0)
            SetWindowText(text);
        else
            text_ = std::move(text);
    }
    // What the user types replaces the whole text, cut to the field's limit.
    void Type(const std::string& text);
    std::size_t MaxLength() const { return maxLength_; }

protected:
    const char* ClassName() const override { return control_class::EDIT; }
    std::uint32_t KindStyle() const override { return es::AUTOHSCROLL | ws::TABSTOP; }
    std::string InitialText() const override { return text_; }
    void HandOver() override;

private:
    std::string text_;
    std::size_t maxLength_;
};

} // namespace vm
