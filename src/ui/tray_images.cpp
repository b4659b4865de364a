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

void TrayImages::LoadDefaults() {
    for (std::size_t i = 0; i < kTrayImageCount; ++i) {
        if (defaults_[i] == 0)
            defaults_[i] = win_.LoadImageA(kDefaultResources[i], image::ICON, kTrayImageSize,
                                           kTrayImageSize, 0);
    }
}

void TrayImages::Clear() {
    for (const HIcon icon : custom_) {
        if (icon != 0)
            win_.DestroyIcon(icon);
    }
    custom_.clear();
}

void TrayImages::Append(HIcon icon) {
    custom_.push_back(icon);
}

void TrayImages::AppendDefault(std::size_t index) {
    const HIcon original = index < kTrayImageCount ? defaults_[index] : 0;
    custom_.push_back(original == 0 ? 0 : win_.CopyIcon(original));
}

HIcon TrayImages::Image(IconState state) const {
    const auto index = static_cast<std::size_t>(state);
    return index < custom_.size() ? custom_[index] : 0;
}

} // namespace vm
