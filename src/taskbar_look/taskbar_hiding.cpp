#include "taskbar_look/taskbar_hiding.h"

#include "platform/constants.h"

namespace vm {

namespace {
// 7.5 seconds at the tick's 250 ms.
constexpr std::int32_t kRevealTicks = 30;

bool StrictlyInside(const Rect& r, const Point& p) {
    return r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom;
}
} // namespace

void TaskbarHiding::PPHideClick() {
    taskbar_.Hide();
    ApplyTaskbarVisibility();
}

void TaskbarHiding::ApplyTaskbarVisibility() {
    if (taskbar_.Handle() == 0)
        return;
    context_.platform.win.ShowWindow(taskbar_.Handle(), taskbar_.Hidden() ? sw::HIDE : sw::RESTORE);
}

void TaskbarHiding::CheckTaskbarReveal() {
    // The cursor is read only for a hidden taskbar: every other tick spares
    // the system the question.
    Point cursor;
    if (!taskbar_.Hidden() || !context_.platform.win.GetCursorPos(cursor))
        return;
    Rect band;
    tracker_.GetTaskbarEdge(band);
    if (!StrictlyInside(band, cursor))
        return;
    if (taskbar_.CountRevealTick() >= kRevealTicks) {
        taskbar_.Reveal();
        ApplyTaskbarVisibility();
    }
}

void TaskbarHiding::ShowHiddenTaskbar() {
    if (taskbar_.Hidden()) {
        taskbar_.Reveal();
        ApplyTaskbarVisibility();
    }
}

} // namespace vm
