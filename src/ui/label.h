// A static text.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class Label : public Control {
public:
    Label(std::string name, std::string caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }

private:
    std::string caption_;
};

} // namespace vm
