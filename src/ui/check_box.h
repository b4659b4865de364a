// A check box. Setting its state from code runs the same click handler as
// a user's click whenever the state changes.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class CheckBox : public Control {
public:
    CheckBox(std::string name, CaptionText caption, bool checked)
        : Control(std::move(name)), caption_(std::move(caption)), checked_(checked) {}

    std::string Caption() const { return window_ != 0 ? WindowText() : caption_.ansi; }
    bool Checked() const {
        return window_ != 0 ? Send(bm::GETCHECK) == static_cast<std::intptr_t>(bst::CHECKED)
                            : checked_;
    }
    void SetChecked(bool checked) {
        if (checked == Checked())
            return;
        if (window_ != 0)
            Send(bm::SETCHECK, checked ? bst::CHECKED : bst::UNCHECKED);
        else
            checked_ = checked;
        if (OnClick)
            OnClick();
    }
    // A click on an enabled box, as the user's.
    void Click() {
        if (Enabled())
            SetChecked(!Checked());
    }
    // The user clicked the box's window, which has turned its mark already.
    void Notify(std::uint32_t code) override {
        if (code == bn::CLICKED && OnClick)
            OnClick();
    }

    Handler OnClick;

protected:
    const char* ClassName() const override { return control_class::BUTTON; }
    std::uint32_t KindStyle() const override { return bs::AUTOCHECKBOX | ws::TABSTOP; }
    std::string InitialText() const override { return caption_.ansi; }
    std::u16string InitialWideText() const override { return caption_.wide; }
    void HandOver() override { Send(bm::SETCHECK, checked_ ? bst::CHECKED : bst::UNCHECKED); }

private:
    CaptionText caption_;
    bool checked_;
};

} // namespace vm
