// An item of a popup menu. A toggle item flips its own check mark before
// its handler runs; setting the check mark from code runs nothing.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class MenuItem : public ModelControl {
public:
    enum class Kind { Command, Toggle, Separator };

    MenuItem(std::string name, CaptionText caption, Kind kind, bool checked = false)
        : ModelControl(std::move(name)), caption_(std::move(caption)), kind_(kind),
          checked_(checked) {}

    const std::string& Caption() const { return caption_.ansi; }
    const std::u16string& WideCaption() const { return caption_.wide; }
    Kind GetKind() const { return kind_; }
    bool IsSeparator() const { return kind_ == Kind::Separator; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }

    // The user chose the item in the open menu.
    void Click() {
        if (!Enabled() || !Visible() || IsSeparator())
            return;
        if (kind_ == Kind::Toggle)
            checked_ = !checked_;
        if (OnClick)
            OnClick();
    }

    Handler OnClick;

private:
    CaptionText caption_;
    Kind kind_;
    bool checked_;
};

} // namespace vm
