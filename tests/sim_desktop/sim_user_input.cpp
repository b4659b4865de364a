// The user at the controls of the simulated desktop: clicks, selections,
// drags, typing and keys, with the dialog manager's keyboard handling in a
// window with WS_EX_CONTROLPARENT.
#include <algorithm>
#include <string>
#include <vector>

#include "sim_desktop/controls.h"

namespace vm::sim {

namespace {
// TB_THUMBTRACK: the thumb is being dragged.
constexpr std::uint32_t kTbThumbTrack = 5;
} // namespace

void SimControls::click(Hwnd control) {
    SimWindow* w = wm_.find(control);
    if (w == nullptr || w->control.kind != ControlKind::Button || !wm_.reachable(*w))
        return;
    wm_.setFocus(control);
    if (!wm_.exists(control))
        return;
    if (ButtonType(*w) == bs::AUTOCHECKBOX)
        w->control.check = w->control.check == bst::CHECKED ? bst::UNCHECKED : bst::CHECKED;
    if (ButtonType(*w) != bs::GROUPBOX)
        notifyCommand(*w, bn::CLICKED);
}

void SimControls::selectListItem(Hwnd listBox, int index) {
    SimWindow* w = wm_.find(listBox);
    if (w == nullptr || w->control.kind != ControlKind::ListBox || !wm_.reachable(*w) ||
        index < 0 || index >= static_cast<int>(w->control.items.size()))
        return;
    wm_.setFocus(listBox);
    if (!wm_.exists(listBox) || w->control.curSel == index)
        return;
    w->control.curSel = index;
    if ((w->style & lbs::NOTIFY) != 0)
        notifyCommand(*w, lbn::SELCHANGE);
}

void SimControls::dragTrackBar(Hwnd trackBar, int position) {
    SimWindow* w = wm_.find(trackBar);
    if (w == nullptr || w->control.kind != ControlKind::TrackBar || !wm_.reachable(*w))
        return;
    wm_.setFocus(trackBar);
    SimControl& c = w->control;
    c.pos = std::clamp(position, c.min, std::max(c.min, c.max));
    notifyScroll(*w, kTbThumbTrack, c.pos);
    if (wm_.exists(trackBar))
        notifyScroll(*w, sb::THUMBPOSITION, c.pos);
    if (wm_.exists(trackBar))
        notifyScroll(*w, sb::ENDSCROLL, 0);
}

void SimControls::stepUpDown(Hwnd upDown, bool up) {
    SimWindow* w = wm_.find(upDown);
    if (w == nullptr || w->control.kind != ControlKind::UpDown || !wm_.reachable(*w))
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
    if (wm_.exists(upDown))
        notifyScroll(*w, sb::THUMBPOSITION, c.pos);
    if (wm_.exists(upDown))
        notifyScroll(*w, sb::ENDSCROLL, c.pos);
}

void SimControls::typeText(Hwnd edit, const std::string& text) {
    SimWindow* w = wm_.find(edit);
    if (w == nullptr || w->control.kind != ControlKind::Edit || !wm_.reachable(*w) ||
        (w->style & es::READONLY) != 0)
        return;
    wm_.setFocus(edit);
    if (!wm_.exists(edit))
        return;
    w->control.selStart = 0;
    w->control.selEnd = static_cast<int>(w->titleW.size());
    replaceSelection(*w, text);
    notifyCommand(*w, en::CHANGE);
}

Hwnd SimControls::dialogOf(Hwnd window) {
    const SimWindow* root = wm_.find(window);
    if (root == nullptr)
        return 0;
    while (root->parent != 0 && wm_.exists(root->parent))
        root = wm_.find(root->parent);
    return (root->exStyle & ws_ex::CONTROLPARENT) != 0 && root->proc ? root->handle : 0;
}

Hwnd SimControls::nextTabStop(Hwnd dialog, Hwnd from, bool previous) {
    const SimWindow* owner = wm_.find(dialog);
    if (owner == nullptr || owner->children.empty())
        return 0;
    const std::vector<Hwnd>& children = owner->children;
    const std::size_t count = children.size();
    const auto at = std::find(children.begin(), children.end(), from);
    const std::size_t start = at == children.end()
                                  ? (previous ? 0 : count - 1)
                                  : static_cast<std::size_t>(at - children.begin());
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t index =
            previous ? (start + count - step) % count : (start + step) % count;
        const SimWindow& candidate = wm_.window(children[index]);
        if ((candidate.style & ws::TABSTOP) != 0 && candidate.visible() && candidate.enabled())
            return candidate.handle;
    }
    return 0;
}

void SimControls::pressAccessKey(char letter) {
    const Hwnd focus = wm_.focus();
    const Hwnd dialog = dialogOf(focus);
    if (dialog == 0)
        return;
    const auto upper = [](char16_t c) {
        return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    };
    // The caption's underlined letter: the one after a single '&'.
    const auto accessKey = [&](const std::u16string& text) -> char16_t {
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != u'&')
                continue;
            if (text[i + 1] != u'&')
                return upper(text[i + 1]);
            ++i;
        }
        return 0;
    };
    // The search starts at the focused control, as the dialog manager's does.
    std::vector<Hwnd> children = wm_.window(dialog).children;
    if (const auto at = std::find(children.begin(), children.end(), focus); at != children.end())
        std::rotate(children.begin(), at, children.end());
    for (const Hwnd child : children) {
        const SimWindow* w = wm_.find(child);
        if (w == nullptr || !w->visible() || !w->enabled() ||
            accessKey(w->titleW) != upper(static_cast<char16_t>(letter)))
            continue;
        const bool button = w->control.kind == ControlKind::Button;
        if (w->control.kind == ControlKind::Static || (button && ButtonType(*w) == bs::GROUPBOX)) {
            wm_.callProc(dialog, wm::NEXTDLGCTL, child.Value(), 1);
            wm_.callProc(dialog, wm::NEXTDLGCTL, 0, 0);
        } else if (button) {
            click(child);
        }
        return;
    }
}

void SimControls::pressKey(std::uint32_t virtualKey) {
    const Hwnd target = wm_.focus();
    const Hwnd dialog = dialogOf(target);
    if (dialog == 0) {
        if (target != 0)
            wm_.callProc(target, wm::KEYDOWN, virtualKey, 0);
        return;
    }
    SimWindow* focused = wm_.find(target);
    const auto command = [&](int id) {
        SimWindow* item = nullptr;
        for (const Hwnd child : wm_.find(dialog)->children) {
            if (wm_.find(child)->controlId == id) {
                item = wm_.find(child);
                break;
            }
        }
        wm_.callProc(dialog, wm::COMMAND, MakeWParam(static_cast<std::uint32_t>(id), bn::CLICKED),
                     static_cast<std::intptr_t>(item == nullptr ? 0 : item->handle.Value()));
    };
    switch (virtualKey) {
        case vk::TAB: {
            if (!wm_.find(dialog)->children.empty()) {
                const Hwnd next = nextTabStop(dialog, target);
                if (next != 0)
                    wm_.setFocus(next);
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
        wm_.callProc(target, wm::KEYDOWN, virtualKey, 0);
}

} // namespace vm::sim
