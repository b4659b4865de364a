// A captioned frame round a group of controls; the accelerator of its
// caption moves the focus into the group.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class GroupBox : public Control {
public:
    GroupBox(std::string name, CaptionText caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}

    std::string Caption() const { return window_ != 0 ? WindowText() : caption_.ansi; }

protected:
    const char* ClassName() const override { return control_class::BUTTON; }
    std::uint32_t KindStyle() const override { return bs::GROUPBOX; }
    std::string InitialText() const override { return caption_.ansi; }
    std::u16string InitialWideText() const override { return caption_.wide; }

private:
    CaptionText caption_;
};

} // namespace vm
