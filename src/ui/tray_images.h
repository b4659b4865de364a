// The tray images: the three built-in ones of the program's resources and
// the three in use (the user's icon files or copies of the built-in ones),
// in IconState order. Every icon here is owned.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/unique.h"
#include "platform/window_system.h"

namespace vm {

// Index of a tray image.
enum class IconState { Normal = 0, Moving = 1, Stopped = 2 };

inline constexpr std::size_t kTrayImageCount = 3;
// At 96 DPI; the built-in images are loaded at the size for the window's DPI.
inline constexpr int kTrayImageSize = 32;

class TrayImages {
public:
    explicit TrayImages(IWindowSystem& win) : win_(win) {}

    // Loads the built-in images from the resources at size pixels. Images
    // of another size it held are handed back, to be kept until nothing
    // shows them any more.
    std::vector<Unique<HIcon>> LoadDefaults(int size);
    // Empties the images in use and hands them over, to be kept until
    // nothing shows them any more.
    std::vector<Unique<HIcon>> TakeAll() {
        ++generation_;
        return std::exchange(custom_, {});
    }
    // Takes over the icon as the next image in use.
    void Append(Unique<HIcon> icon);
    // Appends a copy of built-in image index.
    void AppendDefault(std::size_t index);
    // The built-in image for the state, owned here; 0 when it failed to load.
    HIcon Default(IconState state) const {
        return defaults_[static_cast<std::size_t>(state)].Get();
    }
    // The image in use for the state; 0 when there is none.
    HIcon Image(IconState state) const;
    std::size_t Count() const { return custom_.size(); }
    // Changes with every change of the images in use, so a copy made of one
    // can tell that it is out of date even when a handle value comes again.
    std::uint32_t Generation() const { return generation_; }

private:
    IWindowSystem& win_;
    std::array<Unique<HIcon>, kTrayImageCount> defaults_;
    int defaultSize_ = 0;
    std::vector<Unique<HIcon>> custom_;
    std::uint32_t generation_ = 0;
};

} // namespace vm
