// The user at the controls of the simulated desktop: clicks, selections,
// drags, typing and keys, with the dialog manager's keyboard handling in a
// window with WS_EX_CONTROLPARENT.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

namespace vm::sim {

namespace {
// TB_THUMBTRACK: the thumb is being dragged.
constexpr std::uint32_t kTbThumbTrack = 5;
} // namespace

void SimDesktop::click(Hwnd control) {
    SimWindow* w = find(control);
    if (w == nullptr || w->control.kind != ControlKind::Button || !reachable(*w))
        return;
    setFocus(control);
    if (!exists(control))
        return;
    if (ButtonType(*w) == bs::AUTOCHECKBOX)
        w->control.check = w->control.check == bst::CHECKED ? bst::UNCHECKED : bst::CHECKED;
    if (ButtonType(*w) != bs::GROUPBOX)
        notifyCommand(*w, bn::CLICKED);
}

void SimDesktop::selectListItem(Hwnd listBox, int index) {
    SimWindow* w = find(listBox);
    if (w == nullptr || w->control.kind != ControlKind::ListBox || !reachable(*w) || index < 0 ||
        index >= static_cast<int>(w->control.items.size()))
        return;
    setFocus(listBox);
    if (!exists(listBox) || w->control.curSel == index)
        return;
    w->control.curSel = index;
    if ((w->style & lbs::NOTIFY) != 0)
        notifyCommand(*w, lbn::SELCHANGE);
}

void SimDesktop::dragTrackBar(Hwnd trackBar, int position) {
    SimWindow* w = find(trackBar);
    if (w == nullptr || w->control.kind != ControlKind::TrackBar || !reachable(*w))
        return;
    setFocus(trackBar);
    SimControl& c = w->control;
    c.pos = std::clamp(position, c.min, std::max(c.min, c.max));
    notifyScroll(*w, kTbThumbTrack, c.pos);
    if (exists(trackBar))
        notifyScroll(*w, sb::THUMBPOSITION, c.pos);
    if (exists(trackBar))
        notifyScroll(*w, sb::ENDSCROLL, 0);
}

void SimDesktop::stepUpDown(Hwnd upDown, bool up) {
    SimWindow* w = find(upDown);
    if (w == nullptr || w->control.kind != ControlKind::UpDown || !reachable(*w))
        return;
    SimControl& c = w->control;
    readBuddyText(*w);
    const int low = std::min(c.min, c.max);
    const int high = std::max(c.min, c.max);
    // The up arrow goes from min towards max, whichever is larger.
    const int step = (up == (c.min <= c.max)) ? 1 : -1;
    int next = c.pos + step;
    if (next > high)
        next = (w->style & uds::WRAP) != 0 ? low : high;
    if (next < low)
        next = (w->style & uds::WRAP) != 0 ? high : low;
    c.pos = next;
    setBuddyText(*w);
    if (exists(upDown))
        notifyScroll(*w, sb::THUMBPOSITION, c.pos);
    if (exists(upDown))
        notifyScroll(*w, sb::ENDSCROLL, c.pos);
}

void SimDesktop::typeText(Hwnd edit, const std::string& text) {
    SimWindow* w = find(edit);
    if (w == nullptr || w->control.kind != ControlKind::Edit || !reachable(*w) ||
        (w->style & es::READONLY) != 0)
        return;
    setFocus(edit);
    if (!exists(edit))
        return;
    w->control.selStart = 0;
    w->control.selEnd = static_cast<int>(w->titleW.size());
    replaceSelection(*w, text);
    notifyCommand(*w, en::CHANGE);
}

Hwnd SimDesktop::dialogOf(Hwnd window) const {
    const auto it = windows_.find(window);
    if (it == windows_.end())
        return 0;
    const SimWindow* root = it->second.get();
    while (root->parent != 0 && windows_.count(root->parent) != 0)
        root = windows_.at(root->parent).get();
    return (root->exStyle & ws_ex::CONTROLPARENT) != 0 && root->proc ? root->handle : 0;
}

Hwnd SimDesktop::nextTabStop(Hwnd dialog, Hwnd from) const {
    const std::vector<Hwnd>& children = windows_.at(dialog)->children;
    const auto at = std::find(children.begin(), children.end(), from);
    const std::size_t start = at == children.end()
                                  ? children.size() - 1
                                  : static_cast<std::size_t>(at - children.begin());
    for (std::size_t step = 1; step <= children.size(); ++step) {
        const SimWindow& candidate = *windows_.at(children[(start + step) % children.size()]);
        if ((candidate.style & ws::TABSTOP) != 0 && candidate.visible() && candidate.enabled())
            return candidate.handle;
    }
    return 0;
}

void SimDesktop::pressKey(std::uint32_t virtualKey) {
    const Hwnd target = focus_;
    const Hwnd dialog = dialogOf(target);
    if (dialog == 0) {
        if (target != 0)
            callProc(target, wm::KEYDOWN, virtualKey, 0);
        return;
    }
    SimWindow* focused = find(target);
    const auto command = [&](int id) {
        SimWindow* item = nullptr;
        for (const Hwnd child : find(dialog)->children) {
            if (find(child)->controlId == id) {
                item = find(child);
                break;
            }
        }
        callProc(dialog, wm::COMMAND, MakeWParam(static_cast<std::uint32_t>(id), bn::CLICKED),
                 static_cast<std::intptr_t>(item == nullptr ? 0 : item->handle.Value()));
    };
    switch (virtualKey) {
        case vk::TAB: {
            if (!find(dialog)->children.empty()) {
                const Hwnd next = nextTabStop(dialog, target);
                if (next != 0)
                    setFocus(next);
            }
            return;
        }
        case vk::RETURN:
            if (focused != nullptr && IsPushButton(*focused) &&
                ButtonType(*focused) == bs::DEFPUSHBUTTON)
                command(focused->controlId);
            else
                command(id_::OK);
            return;
        case vk::ESCAPE:
            command(id_::CANCEL);
            return;
        case vk::SPACE:
            if (focused != nullptr && focused->control.kind == ControlKind::Button) {
                click(target);
                return;
            }
            break;
        default:
            break;
    }
    if (focused != nullptr && focused->proc)
        callProc(target, wm::KEYDOWN, virtualKey, 0);
}

} // namespace vm::sim
