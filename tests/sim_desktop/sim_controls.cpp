// The standard controls of the system as child windows: their state, the
// messages a program sends them and the notifications they send their
// parent.
#include <algorithm>
#include <array>
#include <charconv>

#include "sim_desktop/controls.h"
#include "sim_desktop/cp932.h"

namespace vm::sim {

namespace {

constexpr std::uint32_t kDlgcWantArrows = 0x1;
constexpr std::uint32_t kDlgcDefPushButton = 0x10;
constexpr std::uint32_t kDlgcUndefPushButton = 0x20;
constexpr std::uint32_t kDlgcButton = 0x2000;

} // namespace

std::uint32_t ButtonType(const SimWindow& window) {
    return window.style & bs::TYPEMASK;
}

bool IsPushButton(const SimWindow& window) {
    return window.control.kind == ControlKind::Button &&
           (ButtonType(window) == bs::PUSHBUTTON || ButtonType(window) == bs::DEFPUSHBUTTON);
}

std::uintptr_t MakeWParam(std::uint32_t low, std::uint32_t high) {
    return (low & 0xFFFFu) | ((high & 0xFFFFu) << 16);
}

ControlKind ControlKindOf(const std::string& className) {
    static constexpr std::array<std::pair<const char*, ControlKind>, 6> kClasses{{
        {control_class::BUTTON, ControlKind::Button},
        {control_class::EDIT, ControlKind::Edit},
        {control_class::STATIC, ControlKind::Static},
        {control_class::LISTBOX, ControlKind::ListBox},
        {control_class::TRACKBAR, ControlKind::TrackBar},
        {control_class::UPDOWN, ControlKind::UpDown},
    }};
    for (const auto& [name, kind] : kClasses) {
        if (EqualsAsciiNoCase(className, name))
            return kind;
    }
    return ControlKind::None;
}

Hwnd SimControls::createChild(std::uint32_t pid, std::uint32_t exStyle, const char* className,
                              const char* text, std::uint32_t style, Rect rect, Hwnd parent,
                              int id) {
    SimWindow* parentWindow = wm_.find(parent);
    if (className == nullptr || parentWindow == nullptr || parentWindow->pid != pid)
        return 0;
    const ControlKind kind = ControlKindOf(className);
    // The common controls exist once comctl32 has registered them.
    const bool common = kind == ControlKind::TrackBar || kind == ControlKind::UpDown;
    if (kind == ControlKind::None || (common && commonControls_ == 0))
        return 0;
    auto window = std::make_unique<SimWindow>();
    window->className = className;
    window->titleW = FromCp932(text == nullptr ? "" : text);
    window->rect = rect;
    window->normalRect = rect;
    window->style = (style | ws::CHILD) & ~(ws::MINIMIZE | ws::MAXIMIZE);
    window->exStyle = exStyle;
    window->pid = pid;
    window->parent = parent;
    window->controlId = id;
    window->control.kind = kind;
    if (kind == ControlKind::UpDown) {
        // A new spinner counts from 100 down to 0 until a range is set.
        window->control.min = 100;
        window->control.max = 0;
    }
    return wm_.insert(std::move(window)).handle;
}

std::intptr_t SimControls::proc(SimWindow& w, std::uint32_t msg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    SimControl& c = w.control;
    switch (msg) {
        case wm::SETTEXT:
            w.titleW = FromCp932(lParam == 0 ? "" : reinterpret_cast<const char*>(lParam));
            if (c.kind == ControlKind::Edit) {
                c.selStart = 0;
                c.selEnd = 0;
            }
            return 1;
        case wm::GETTEXT:
            return CopyAnsi(w.titleA(), reinterpret_cast<char*>(lParam), static_cast<int>(wParam));
        case wm::GETTEXTLENGTH:
            return static_cast<std::intptr_t>(w.titleA().size());
        case wm::SETFONT:
            c.font = HFont{wParam};
            return 0;
        case wm::GETFONT:
            return static_cast<std::intptr_t>(c.font.Value());
        default:
            break;
    }
    switch (c.kind) {
        case ControlKind::Button:
            if (msg == bm::GETCHECK)
                return static_cast<std::intptr_t>(c.check);
            if (msg == bm::SETCHECK) {
                if (ButtonType(w) == bs::AUTOCHECKBOX)
                    c.check = wParam;
                return 0;
            }
            if (msg == bm::CLICK) {
                click(w.handle);
                return 0;
            }
            if (msg == bm::SETIMAGE)
                return static_cast<std::intptr_t>(std::exchange(c.image, HIcon{lParam}).Value());
            if (msg == wm::GETDLGCODE) {
                if (!IsPushButton(w))
                    return kDlgcButton;
                return ButtonType(w) == bs::DEFPUSHBUTTON ? kDlgcDefPushButton
                                                          : kDlgcUndefPushButton;
            }
            return 0;
        case ControlKind::Edit:
            if (msg == em::LIMITTEXT) {
                c.limit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(wParam);
                return 0;
            }
            if (msg == em::GETLIMITTEXT)
                return c.limit;
            if (msg == em::SETSEL) {
                const auto length = static_cast<int>(w.titleW.size());
                const auto at = [length](std::intptr_t p) {
                    return p < 0 ? length : std::min(static_cast<int>(p), length);
                };
                c.selStart = at(static_cast<std::intptr_t>(wParam));
                c.selEnd = at(lParam);
                if (c.selStart > c.selEnd)
                    std::swap(c.selStart, c.selEnd);
                return 0;
            }
            if (msg == em::REPLACESEL) {
                replaceSelection(w, lParam == 0 ? "" : reinterpret_cast<const char*>(lParam));
                return 0;
            }
            if (msg == em::SETREADONLY) {
                w.style = wParam != 0 ? (w.style | es::READONLY) : (w.style & ~es::READONLY);
                return 1;
            }
            return 0;
        case ControlKind::ListBox: {
            const auto count = static_cast<int>(c.items.size());
            const auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
            const bool valid = index >= 0 && index < count;
            switch (msg) {
                case lb::ADDSTRING:
                    c.items.emplace_back(lParam == 0 ? "" : reinterpret_cast<const char*>(lParam));
                    return count;
                case lb::DELETESTRING:
                    if (!valid)
                        return lb::ERR;
                    c.items.erase(c.items.begin() + index);
                    if (c.curSel == index)
                        c.curSel = -1;
                    else if (c.curSel > index)
                        --c.curSel;
                    return count - 1;
                case lb::RESETCONTENT:
                    c.items.clear();
                    c.curSel = -1;
                    return 0;
                case lb::SETCURSEL:
                    c.curSel = valid ? index : -1;
                    return valid ? index : lb::ERR;
                case lb::GETCURSEL:
                    return c.curSel;
                case lb::GETCOUNT:
                    return count;
                case lb::GETTEXTLEN:
                    return valid ? static_cast<std::intptr_t>(c.items[index].size()) : lb::ERR;
                case lb::GETTEXT:
                    if (!valid || lParam == 0)
                        return lb::ERR;
                    std::copy(c.items[index].begin(), c.items[index].end(),
                              reinterpret_cast<char*>(lParam));
                    reinterpret_cast<char*>(lParam)[c.items[index].size()] = '\0';
                    return static_cast<std::intptr_t>(c.items[index].size());
                case lb::FINDSTRINGEXACT: {
                    // From the line after the start, round to the start.
                    const std::string text =
                        lParam == 0 ? "" : reinterpret_cast<const char*>(lParam);
                    const int start = valid ? index : -1;
                    for (int step = 1; step <= count; ++step) {
                        const int i = (start + step) % count;
                        if (EqualsAsciiNoCase(c.items[i], text))
                            return i;
                    }
                    return lb::ERR;
                }
                case lb::SETHORIZONTALEXTENT:
                    c.horizontalExtent = index;
                    return 0;
                case lb::GETHORIZONTALEXTENT:
                    return c.horizontalExtent;
                default:
                    return 0;
            }
        }
        case ControlKind::TrackBar:
            switch (msg) {
                case tbm::GETPOS:
                    return c.pos;
                case tbm::GETRANGEMIN:
                    return c.min;
                case tbm::GETRANGEMAX:
                    return c.max;
                case tbm::SETPOS:
                    c.pos = std::clamp(static_cast<int>(lParam), c.min, std::max(c.min, c.max));
                    return 0;
                case tbm::SETRANGEMIN:
                    c.min = static_cast<int>(lParam);
                    c.pos = std::max(c.pos, c.min);
                    return 0;
                case tbm::SETRANGEMAX:
                    c.max = static_cast<int>(lParam);
                    c.pos = std::min(c.pos, std::max(c.min, c.max));
                    return 0;
                case wm::GETDLGCODE:
                    return kDlgcWantArrows;
                default:
                    return 0;
            }
        case ControlKind::UpDown:
            switch (msg) {
                case udm::SETRANGE32:
                    c.min = static_cast<int>(static_cast<std::intptr_t>(wParam));
                    c.max = static_cast<int>(lParam);
                    return 0;
                case udm::GETRANGE32:
                    if (wParam != 0)
                        *reinterpret_cast<int*>(wParam) = c.min;
                    if (lParam != 0)
                        *reinterpret_cast<int*>(lParam) = c.max;
                    return 0;
                case udm::SETPOS32: {
                    const int old = c.pos;
                    c.pos = std::clamp(static_cast<int>(lParam), std::min(c.min, c.max),
                                       std::max(c.min, c.max));
                    setBuddyText(w);
                    return old;
                }
                case udm::GETPOS32:
                    readBuddyText(w);
                    return c.pos;
                case udm::SETBUDDY:
                    return static_cast<std::intptr_t>(std::exchange(c.buddy, Hwnd{wParam}).Value());
                case udm::GETBUDDY:
                    return static_cast<std::intptr_t>(c.buddy.Value());
                default:
                    return 0;
            }
        default:
            return 0;
    }
}

void SimControls::notifyCommand(const SimWindow& control, std::uint32_t code) {
    wm_.callProc(control.parent, wm::COMMAND,
                 MakeWParam(static_cast<std::uint32_t>(control.controlId), code),
                 static_cast<std::intptr_t>(control.handle.Value()));
}

void SimControls::notifyScroll(const SimWindow& control, std::uint32_t code, int position) {
    const bool vertical =
        control.control.kind == ControlKind::UpDown || (control.style & tbs::VERT) != 0;
    wm_.callProc(control.parent, vertical ? wm::VSCROLL : wm::HSCROLL,
                 MakeWParam(code, static_cast<std::uint32_t>(position)),
                 static_cast<std::intptr_t>(control.handle.Value()));
}

void SimControls::setBuddyText(const SimWindow& upDown) {
    if ((upDown.style & uds::SETBUDDYINT) == 0 || !wm_.exists(upDown.control.buddy))
        return;
    // Sent, so a buddy with a procedure of its own hears it.
    const std::string text = std::to_string(upDown.control.pos);
    SimWindow& buddy = wm_.window(upDown.control.buddy);
    if (buddy.proc)
        wm_.callProc(buddy.handle, wm::SETTEXT, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
    else
        proc(buddy, wm::SETTEXT, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
}

void SimControls::readBuddyText(SimWindow& upDown) {
    SimControl& c = upDown.control;
    if ((upDown.style & uds::SETBUDDYINT) == 0 || !wm_.exists(c.buddy))
        return;
    // A buddy text that is no number in the range leaves the position.
    const std::string text = wm_.window(c.buddy).titleA();
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc{} && end == text.data() + text.size() && !text.empty() &&
        value >= std::min(c.min, c.max) && value <= std::max(c.min, c.max))
        c.pos = value;
}

void SimControls::replaceSelection(SimWindow& edit, const std::string& text) {
    SimControl& c = edit.control;
    std::u16string inserted = FromCp932(text);
    const auto kept = static_cast<int>(edit.titleW.size()) - (c.selEnd - c.selStart);
    const auto room = static_cast<std::size_t>(std::max(0, c.limit - kept));
    if (inserted.size() > room)
        inserted.resize(room);
    edit.titleW.replace(static_cast<std::size_t>(c.selStart),
                        static_cast<std::size_t>(c.selEnd - c.selStart), inserted);
    c.selStart += static_cast<int>(inserted.size());
    c.selEnd = c.selStart;
}

} // namespace vm::sim
