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

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetPosition(int position);
    // Sets the minimum first, then the maximum; the position moves to the
    // nearer end when it falls outside.
    void SetRange(int min, int max);

    Handler OnChange;

private:
    int min_;
    int max_;
    int position_;
};

} // namespace vm
