// A push button.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class Button : public Control {
public:
    Button(std::string name, std::string caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}

    const std::string& Caption() const { return caption_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    void Click() {
        if (Enabled() && OnClick)
            OnClick();
    }

    Handler OnClick;

private:
    std::string caption_;
    int tag_ = 0;
};

} // namespace vm
