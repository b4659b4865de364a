// Titles whose restore did not go through: the window's thread took our
// replacement, then was busy or hung past the bounded send that was to give
// its title back. A WM_SETTEXT carries a pointer, so it can be neither
// posted nor sent without waiting to another thread; instead a round trip
// asks when that thread reads its queue again, and the next tick after its
// answer sends the restore once more, with the same bound, as long as the
// window still shows our replacement. A window gone is forgotten.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace vm {

class LateTitles {
public:
    explicit LateTitles(IWindowSystem& win) : win_(win) {}
    LateTitles(const LateTitles&) = delete;
    LateTitles& operator=(const LateTitles&) = delete;

    // saved: the program's own title; shown: ours, as the window shows it.
    void Keep(Hwnd window, std::u16string saved, std::u16string shown);
    // At every tick: the restores whose thread has answered since.
    void RestoreAnswered();
    // Gives window its own title back while it still shows ours, once its
    // thread has answered a bounded round trip: a thread busy since it took
    // the replacement may set a title of its own before it would read a
    // restore queued meanwhile. False while the restore is still owed (the
    // thread did not answer, or not the restore, in time).
    static bool RestoreNow(IWindowSystem& win, Hwnd window, const std::u16string& saved,
                           const std::u16string& shown);

private:
    struct Late {
        Hwnd window;
        std::u16string saved;
        std::u16string shown;
        std::uint32_t ask = 0;
        bool answered = false;
    };
    // False when the round trip cannot be sent (the window is gone).
    bool Ask(Late& late);
    // Whether the window still shows our replacement.
    static bool StillShows(IWindowSystem& win, Hwnd window, const std::u16string& shown);

    IWindowSystem& win_;
    std::vector<Late> late_;
    std::uint32_t lastAsk_ = 0;
    // Answers that come after this object has gone find it expired.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace vm
