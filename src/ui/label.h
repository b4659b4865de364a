// A static text.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class Label : public Control {
public:
    Label(std::string name, CaptionText caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}

    std::string Caption() const { return window_ != 0 ? WindowText() : caption_.ansi; }
    void SetCaption(std::string caption) {
        if (window_ != 0)
            SetWindowText(caption);
        else
            caption_ = CaptionText(std::move(caption));
    }

protected:
    const char* ClassName() const override { return control_class::STATIC; }
    std::uint32_t KindStyle() const override { return ss::LEFT; }
    std::string InitialText() const override { return caption_.ansi; }
    std::u16string InitialWideText() const override { return caption_.wide; }

private:
    CaptionText caption_;
};

} // namespace vm
