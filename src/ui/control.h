// The retained control model: every option lives in the control that shows
// it. A Control carries the states every kind shares.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace vm {

using Handler = std::function<void()>;

class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& Name() const { return name_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
};

} // namespace vm
