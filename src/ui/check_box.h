// A check box. Setting its state from code runs the same click handler as
// a user's click whenever the state changes.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class CheckBox : public Control {
public:
    CheckBox(std::string name, std::string caption, bool checked)
        : Control(std::move(name)), caption_(std::move(caption)), checked_(checked) {}

    const std::string& Caption() const { return caption_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) {
        if (checked == checked_)
            return;
        checked_ = checked;
        if (OnClick)
            OnClick();
    }
    // A user's click on an enabled box.
    void Click() {
        if (Enabled())
            SetChecked(!checked_);
    }

    Handler OnClick;

private:
    std::string caption_;
    bool checked_;
};

} // namespace vm
