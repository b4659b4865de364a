#include "watcher/late_titles.h"

#include <algorithm>
#include <utility>

#include "platform/constants.h"

namespace vm {

namespace {
// As long as the first restore was given.
constexpr std::uint32_t kTitleTimeoutMs = 500;
} // namespace

void LateTitles::Keep(Hwnd window, std::u16string saved, std::u16string shown) {
    std::erase_if(late_, [window](const Late& late) { return late.window == window; });
    Late late{window, std::move(saved), std::move(shown)};
    if (Ask(late))
        late_.push_back(std::move(late));
}

bool LateTitles::Ask(Late& late) {
    if (++lastAsk_ == 0)
        ++lastAsk_;
    late.ask = lastAsk_;
    late.answered = false;
    std::weak_ptr<bool> alive = alive_;
    // The answer only marks the restore: it may come while a pass waits on
    // another program, and nothing is sent from there.
    return win_.SendMessageCallbackW(
        late.window, wm::NULL_, 0, 0,
        [this, alive, ask = late.ask](Hwnd window, std::uint32_t, std::intptr_t) {
            if (alive.expired())
                return;
            for (Late& one : late_) {
                if (one.window == window && one.ask == ask)
                    one.answered = true;
            }
        });
}

bool LateTitles::StillOurs(const Late& late) {
    const int length = std::max(0, win_.GetWindowTextLengthW(late.window));
    std::vector<char16_t> buffer(static_cast<std::size_t>(length) + 1, u'\0');
    win_.GetWindowTextW(late.window, buffer.data(), length + 1);
    return std::u16string(buffer.data()) == late.shown;
}

void LateTitles::RestoreAnswered() {
    std::erase_if(late_, [this](Late& late) {
        if (!win_.IsWindow(late.window))
            return true;
        if (!late.answered)
            return false;
        // The program has set a title of its own meanwhile: it stands.
        if (!StillOurs(late))
            return true;
        if (win_.SendMessageTimeoutW(late.window, wm::SETTEXT, 0,
                                     reinterpret_cast<std::intptr_t>(late.saved.c_str()),
                                     smto::ABORTIFHUNG, kTitleTimeoutMs, nullptr) != 0)
            return true;
        return !StillOurs(late) || !Ask(late);
    });
}

} // namespace vm
