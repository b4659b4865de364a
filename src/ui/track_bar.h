// A slider. Its position always stays inside its range; any change of the
// position, by the user, by code or by a new range, runs OnChange.
#pragma once

#include <string>
#include <utility>

#include "ui/control.h"

namespace vm {

class TrackBar : public Control {
public:
    TrackBar(std::string name, int min, int max, int position)
        : Control(std::move(name)), min_(min), max_(max), position_(position) {}

    int Min() const { return window_ != 0 ? static_cast<int>(Send(tbm::GETRANGEMIN)) : min_; }
    int Max() const { return window_ != 0 ? static_cast<int>(Send(tbm::GETRANGEMAX)) : max_; }
    int Position() const { return window_ != 0 ? static_cast<int>(Send(tbm::GETPOS)) : position_; }
    void SetPosition(int position);
    // Sets the minimum first, then the maximum; the position moves to the
    // nearer end when it falls outside.
    void SetRange(int min, int max);
    // The user moved the thumb (every scroll code but the end of a drag).
    void Notify(std::uint32_t code) override {
        if (code != sb::ENDSCROLL && OnChange)
            OnChange();
    }

    Handler OnChange;

protected:
    const char* ClassName() const override { return control_class::TRACKBAR; }
    std::uint32_t KindStyle() const override { return ws::TABSTOP; }
    void HandOver() override;

private:
    // Writes a position already inside the range.
    void Store(int position);

    int min_;
    int max_;
    int position_;
};

} // namespace vm
