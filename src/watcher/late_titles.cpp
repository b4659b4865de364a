#include "watcher/late_titles.h"

#include <algorithm>
#include <utility>

#include "platform/constants.h"

namespace vm {

namespace {
// As long as the first restore was given.
constexpr std::uint32_t kTitleTimeoutMs = 500;
// A thread that does not answer at once is busy: its restore waits for a
// later tick instead of holding up the other windows of the batch.
constexpr std::uint32_t kProbeTimeoutMs = 100;
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

bool LateTitles::StillShows(IWindowSystem& win, Hwnd window, const std::u16string& shown) {
    const int length = std::max(0, win.GetWindowTextLengthW(window));
    std::vector<char16_t> buffer(static_cast<std::size_t>(length) + 1, u'\0');
    win.GetWindowTextW(window, buffer.data(), length + 1);
    return win.IsWindow(window) && std::u16string(buffer.data()) == shown;
}

bool LateTitles::RestoreNow(IWindowSystem& win, Hwnd window, const std::u16string& saved,
                            const std::u16string& shown) {
    // Asked twice: a sent message goes ahead of what the program posted
    // itself, so a title it sets from a message it posted on seeing ours
    // may still come after the first answer, but not after the second.
    for (int ask = 0; ask < 2; ++ask) {
        if (!StillShows(win, window, shown))
            return true;
        if (win.SendMessageTimeoutW(window, wm::NULL_, 0, 0, smto::ABORTIFHUNG, kProbeTimeoutMs,
                                    nullptr) == 0)
            return !StillShows(win, window, shown);
    }
    if (!StillShows(win, window, shown))
        return true;
    return win.SendMessageTimeoutW(window, wm::SETTEXT, 0,
                                   reinterpret_cast<std::intptr_t>(saved.c_str()),
                                   smto::ABORTIFHUNG, kTitleTimeoutMs, nullptr) != 0 ||
           !StillShows(win, window, shown);
}

void LateTitles::RestoreAnswered() {
    std::erase_if(late_, [this](Late& late) {
        if (!win_.IsWindow(late.window))
            return true;
        if (!late.answered)
            return false;
        // Done, or the program has set a title of its own meanwhile.
        if (RestoreNow(win_, late.window, late.saved, late.shown))
            return true;
        return !Ask(late);
    });
}

} // namespace vm
