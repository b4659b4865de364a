// An up-down spinner tied to a read-only numeric field that shows its
// value. The spinner does not write the field itself (it would write the
// bare number); every new position is set as the field's value, which
// shows it in the field's format.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"
#include "ui/nval_edit.h"

namespace vm {

class UpDown : public Control {
public:
    UpDown(std::string name, int min, int max, int position, NValEdit& associate)
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
    // The user clicked an arrow; the spinner has moved, the field follows.
    void Notify(std::uint32_t code) override {
        if (code != sb::THUMBPOSITION)
            return;
        associate_.SetValue(Position());
        if (OnClick)
            OnClick();
    }

    Handler OnClick;

protected:
    const char* ClassName() const override { return control_class::UPDOWN; }
    std::uint32_t KindStyle() const override { return uds::WRAP | uds::ARROWKEYS; }
    void HandOver() override;

private:
    int min_;
    int max_;
    int position_ = 0;
    NValEdit& associate_;
};

} // namespace vm
