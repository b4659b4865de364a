// The notification-area icon as state: whether it is shown, whether it
// reacts to the mouse, which tray image it shows and its tip text.
#pragma once

#include <string>
#include <utility>

#include "sys/sjis_literals.h"
#include "ui/control.h"

namespace vm {

// Index of a tray image.
enum class IconState { Normal = 0, Moving = 1, Stopped = 2 };

class TrayIcon {
public:
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool visible) {
        iconVisible_ = visible;
        Changed();
    }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    IconState Image() const { return image_; }
    void SetImage(IconState image) {
        image_ = image;
        Changed();
    }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) {
        hint_ = std::move(hint);
        Changed();
    }

    // Runs after every change that the notification area would show.
    Handler OnChange;

private:
    void Changed() {
        if (OnChange)
            OnChange();
    }

    bool iconVisible_ = false;
    bool enabled_ = true;
    IconState image_ = IconState::Normal;
    std::string hint_ = sjis::kHintEnabled;
};

} // namespace vm
