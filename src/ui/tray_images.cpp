#include "ui/tray_images.h"

#include "platform/constants.h"
#include "resource_ids.h"

namespace vm {

namespace {
constexpr std::array<int, kTrayImageCount> kDefaultResources{IDI_TRAY_NORMAL, IDI_TRAY_MOVING,
                                                             IDI_TRAY_STOPPED};
} // namespace

TrayImages::~TrayImages() {
    Clear();
    for (HIcon& icon : defaults_) {
        if (icon != 0)
            win_.DestroyIcon(icon);
        icon = 0;
    }
}

std::vector<HIcon> TrayImages::LoadDefaults(int size) {
    std::vector<HIcon> replaced;
    for (std::size_t i = 0; i < kTrayImageCount; ++i) {
        if (defaults_[i] != 0 && size == defaultSize_)
            continue;
        if (defaults_[i] != 0)
            replaced.push_back(defaults_[i]);
        defaults_[i] = win_.LoadImageA(kDefaultResources[i], image::ICON, size, size, 0);
    }
    defaultSize_ = size;
    return replaced;
}

void TrayImages::Clear() {
    Destroy(TakeAll());
}

void TrayImages::Destroy(const std::vector<HIcon>& icons) {
    for (const HIcon icon : icons) {
        if (icon != 0)
            win_.DestroyIcon(icon);
    }
}

void TrayImages::Append(HIcon icon) {
    ++generation_;
    custom_.push_back(icon);
}

void TrayImages::AppendDefault(std::size_t index) {
    const HIcon original = index < kTrayImageCount ? defaults_[index] : 0;
    ++generation_;
    custom_.push_back(original == 0 ? 0 : win_.CopyIcon(original));
}

HIcon TrayImages::Image(IconState state) const {
    const auto index = static_cast<std::size_t>(state);
    return index < custom_.size() ? custom_[index] : 0;
}

} // namespace vm
