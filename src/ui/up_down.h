// An up-down spinner tied to a read-only field that shows its value.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"
#include "ui/edit.h"

namespace vm {

class UpDown : public Control {
public:
    UpDown(std::string name, int min, int max, int position, Edit& associate)
        : Control(std::move(name)), min_(min), max_(max), associate_(associate) {
        SetPosition(position);
    }

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const;
    // Brings the value into the range and shows it in the field.
    void SetPosition(int position);
    // One step of the arrows; the spinner wraps at both ends.
    void StepUp();
    void StepDown();
    // The user clicked an arrow; the spinner has moved and written the field.
    void Notify(std::uint32_t code) override {
        if (code == sb::THUMBPOSITION && OnClick)
            OnClick();
    }

    Handler OnClick;

protected:
    const char* ClassName() const override { return control_class::UPDOWN; }
    std::uint32_t KindStyle() const override {
        return uds::WRAP | uds::SETBUDDYINT | uds::NOTHOUSANDS | uds::ARROWKEYS;
    }
    void HandOver() override;

private:
    int min_;
    int max_;
    int position_ = 0;
    Edit& associate_;
};

} // namespace vm
