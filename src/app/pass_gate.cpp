#include "app/pass_gate.h"

#include <utility>

#include "platform/constants.h"
#include "platform/error_trace.h"
#include "platform/private_ids.h"

namespace vm {

// The gate's rule, the one place that says what waits for a pass to end.
//
// A pass may wait for other programs: a title swap sends with a time-out,
// Shell_NotifyIcon sends to the shell while the tray image flashes, a message
// box of its closing reads the queue. Meanwhile the system hands our windows
// what other programs send (the shell's tray callbacks are sent too), and a
// message box's loop what was posted. Whatever of it would make the program
// act is held, and handled once the pass has ended, oldest first, through
// its window's procedure as if it came then:
// - every message from WM_USER up: the tray icon's callback, registered
//   messages ("TaskbarCreated"), the program's own posted messages (the
//   window events' EVENTS_PENDING among them), except the gate's wake-up and
//   the repaint after the keyboard cues, which only paints;
// - the system's requests below it: timers, commands (the menus', the
//   controls', Alt+F4 and the other system commands), closing, the end of
//   the session, the hand-over's WM_COPYDATA, a change of the display.
// Every other message the system sends is the upkeep of our own windows,
// often the pass's own doing: painting, activation and focus, showing,
// placing and sizing, texts, hit-testing, the DPI, and the question whether
// the session may end (answered TRUE). It goes through at once, answered by
// our handler or the default one, and starts no work.
// Once something is held, what arrives after it waits behind it until it has
// been handled, so that the order stays the order of arrival.
// The handling of a click on the tray icon waits on the shell and reads the
// queue too, and is a pass for the gate, all but the menu's own loop: a
// second click waits until the first has opened its menu.
bool PassGate::WaitsForThePass(std::uint32_t msg) {
    if (msg == private_msg::HANDLE_DEFERRED || msg == private_msg::REPAINT_AFTER_CUES)
        return false;
    if (msg >= wm::USER)
        return true;
    switch (msg) {
        case wm::TIMER:
        case wm::COMMAND:
        case wm::SYSCOMMAND:
        case wm::CLOSE:
        case wm::ENDSESSION:
        case wm::COPYDATA:
        case wm::DISPLAYCHANGE:
            return true;
        default:
            return false;
    }
}

void PassGate::Guarded(const Handler& handler) {
    try {
        handler();
    } catch (...) {
        owner_.ErrorHook(ErrorTraceLine(platform_.os));
    }
}

Handler PassGate::Guard(Handler handler) {
    return [this, handler = std::move(handler)] { Guarded(handler); };
}

void PassGate::RunPass(const Handler& pass) {
    // Never one pass inside another: the gate holds every message that
    // could start one.
    if (InPass())
        return;
    ++passDepth_;
    Guarded(pass);
    --passDepth_;
    // What arrived meanwhile comes after everything the pass's own handler
    // still does.
    if (!held_.Empty() && !PostRelease())
        Guarded([this] { ReleaseHeld(); });
}

MsgResult PassGate::Gate(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                         std::intptr_t lParam) {
    // The message a release hands on passes, the first to come back here.
    if (std::exchange(handingOn_, false))
        return std::nullopt;
    if (!WaitsForThePass(msg) || !(InPass() || !held_.Empty()))
        return std::nullopt;
    if (owner_.ActNow(window, msg, wParam))
        return 0;
    // A timer due again while its last message waits is still that message.
    const bool timerHeld = msg == wm::TIMER && held_.Any([&](const DeferredMessage& held) {
        return held.msg == wm::TIMER && held.window == window && held.wParam == wParam;
    });
    if (!timerHeld)
        held_.Add(window, msg, wParam, lParam);
    // While one held message is handled, the release after it is posted
    // once it is done.
    if (!InPass() && !releasing_ && !PostRelease())
        Guarded([this] { ReleaseHeld(); });
    return 0;
}

bool PassGate::PostRelease() {
    if (!releasePosted_)
        releasePosted_ =
            platform_.win.PostMessageA(mainWindow_, private_msg::HANDLE_DEFERRED, 0, 0);
    return releasePosted_;
}

bool PassGate::IsCloseRequest(const DeferredMessage& message) const {
    const bool ours = message.window == mainWindow_ || message.window == appWindow_;
    return ours &&
           (message.msg == wm::CLOSE || (message.msg == wm::ENDSESSION && message.wParam != 0 &&
                                         message.window == mainWindow_));
}

bool PassGate::PointlessAfterClose(const DeferredMessage& message) const {
    // The hand-over would open the settings window and a tray click the
    // menu or the switch, just before the program ends.
    return (message.msg == wm::COPYDATA && message.window == mainWindow_) ||
           message.msg == private_msg::TRAY_CALLBACK;
}

void PassGate::ReleaseHeld() {
    releasePosted_ = false;
    // Still inside a pass (a message box of its closing reads the queue):
    // they wait on, and the pass's end asks again.
    if (InPass())
        return;
    struct Releasing {
        bool& flag;
        bool was;
        explicit Releasing(bool& f) : flag(f), was(std::exchange(f, true)) {}
        ~Releasing() { flag = was; }
        Releasing(const Releasing&) = delete;
        Releasing& operator=(const Releasing&) = delete;
    } releasing(releasing_);
    // One held message per release, each handled as if it came then, on
    // its own; the next release is posted behind it, and what arrives
    // meanwhile waits behind those still held.
    while (!held_.Empty() && !InPass()) {
        // Nothing runs once the program has closed.
        if (owner_.Closed()) {
            held_.Clear();
            return;
        }
        const bool closeHeld =
            held_.Any([this](const DeferredMessage& held) { return IsCloseRequest(held); });
        const DeferredMessage message = held_.TakeOldest();
        if (closeHeld && PointlessAfterClose(message))
            continue;
        const CopyDataStruct record = message.Record();
        const std::intptr_t lParam = message.msg == wm::COPYDATA && message.hasRecord
                                         ? reinterpret_cast<std::intptr_t>(&record)
                                         : message.lParam;
        handingOn_ = true;
        platform_.win.SendMessageA(message.window, message.msg, message.wParam, lParam);
        handingOn_ = false;
        if (held_.Empty() || InPass() || PostRelease())
            return;
    }
}

} // namespace vm
