#include "ui/tray_images.h"

#include <utility>

#include "platform/constants.h"
#include "resource_ids.h"

namespace vm {

namespace {
constexpr std::array<int, kTrayImageCount> kDefaultResources{IDI_TRAY_NORMAL, IDI_TRAY_MOVING,
                                                             IDI_TRAY_STOPPED};
} // namespace

std::vector<Unique<HIcon>> TrayImages::LoadDefaults(int size) {
    std::vector<Unique<HIcon>> replaced;
    for (std::size_t i = 0; i < kTrayImageCount; ++i) {
        if (defaults_[i] && size == defaultSize_)
            continue;
        if (defaults_[i])
            replaced.push_back(std::move(defaults_[i]));
        defaults_[i] = Own(win_, win_.LoadImageA(kDefaultResources[i], image::ICON, size, size, 0));
    }
    defaultSize_ = size;
    return replaced;
}

void TrayImages::Append(Unique<HIcon> icon) {
    ++generation_;
    custom_.push_back(std::move(icon));
}

void TrayImages::AppendDefault(std::size_t index) {
    const HIcon original = index < kTrayImageCount ? defaults_[index].Get() : HIcon{};
    ++generation_;
    custom_.push_back(Own(win_, original ? win_.CopyIcon(original) : HIcon{}));
}

HIcon TrayImages::Image(IconState state) const {
    const auto index = static_cast<std::size_t>(state);
    return index < custom_.size() ? custom_[index].Get() : HIcon{};
}

} // namespace vm
