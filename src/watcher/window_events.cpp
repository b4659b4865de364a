#include "watcher/window_events.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/constants.h"
#include "platform/private_ids.h"

namespace vm {

namespace {
// A window made or shown, shown again by the compositor, or dropped after
// the user's drag.
constexpr std::uint32_t kEvents[] = {event_::OBJECT_CREATE, event_::OBJECT_SHOW,
                                     event_::OBJECT_UNCLOAKED, event_::SYSTEM_MOVESIZEEND};
} // namespace

WindowEvents::WindowEvents(ProgramContext& context,
                           std::function<std::vector<Hwnd>(const std::vector<Hwnd>&)> checkWindows)
    : context_(context), checkWindows_(std::move(checkWindows)) {}

WindowEvents::~WindowEvents() {
    Stop();
}

bool WindowEvents::Start(Hwnd owner) {
    if (Running())
        return true;
    IOperatingSystem& os = context_.platform.os;
    IWindowSystem& win = context_.platform.win;
    // user32 is the program's own import and stays loaded as long as the
    // program runs, so its addresses outlive this reference.
    FarProc setWinEventHook = 0;
    FarProc unhookWinEvent = 0;
    if (const Unique<HModule> user32 = Own(os, os.LoadLibraryA("user32.dll"))) {
        setWinEventHook = os.GetProcAddress(user32.Get(), "SetWinEventHook");
        unhookWinEvent = os.GetProcAddress(user32.Get(), "UnhookWinEvent");
    }
    if (setWinEventHook == 0 || unhookWinEvent == 0)
        return false;
    owner_ = owner;
    win.GetWindowThreadProcessId(owner, &ownProcess_);
    // Only the events used, each on its own: a range would bring every
    // destruction of the session in between. A system that never raises
    // one (uncloaking before Windows 8) simply never reports it.
    for (const std::uint32_t event : kEvents) {
        Unique<HWinEventHook> hook(
            win.SetWinEventHook(
                setWinEventHook, event, event,
                [this](HWinEventHook, std::uint32_t e, Hwnd window, std::int32_t idObject,
                       std::int32_t idChild, std::uint32_t,
                       std::uint32_t) { OnWinEvent(e, window, idObject, idChild); },
                0, 0, winevent::OUTOFCONTEXT | winevent::SKIPOWNPROCESS),
            {&win, unhookWinEvent});
        if (!hook && hooks_.empty())
            return false;
        if (hook)
            hooks_.push_back(std::move(hook));
    }
    session_ = std::make_shared<bool>(true);
    return true;
}

void WindowEvents::Stop() {
    if (!Running())
        return;
    hooks_.clear();
    session_.reset();
    waiting_.clear();
    SetRelookTimer(false);
}

void WindowEvents::OnWinEvent(std::uint32_t event, Hwnd window, std::int32_t idObject,
                              std::int32_t idChild) {
    if (!Running() || window == 0 || idObject != objid::WINDOW || idChild != childid::SELF ||
        std::find(std::begin(kEvents), std::end(kEvents), event) == std::end(kEvents))
        return;
    // Only top-level windows, as a pass enumerates them.
    const auto style =
        static_cast<std::uint32_t>(context_.platform.win.GetWindowLongA(window, gwl::STYLE));
    if ((style & ws::CHILD) != 0)
        return;
    Report(window);
}

void WindowEvents::Report(Hwnd window) {
    if (Waiting* known = Find(window)) {
        // Shown after it was answered hidden: asked again now.
        if (known->stage == Stage::Hidden)
            known->stage = Stage::Reported;
    } else if (waiting_.size() < kCapacity) {
        waiting_.push_back({window, context_.platform.os.GetTickCount()});
    } else {
        return;
    }
    PostPending();
}

WindowEvents::Waiting* WindowEvents::Find(Hwnd window) {
    const auto found =
        std::find_if(waiting_.begin(), waiting_.end(),
                     [window](const Waiting& entry) { return entry.window == window; });
    return found == waiting_.end() ? nullptr : &*found;
}

void WindowEvents::CheckWaiting() {
    pendingPosted_ = false;
    if (!Running() || checking_)
        return;
    IWindowSystem& win = context_.platform.win;
    const std::uint32_t now = context_.platform.os.GetTickCount();
    std::erase_if(waiting_, [&](const Waiting& entry) { return !Keep(entry, now); });
    std::vector<Hwnd> ready;
    for (Waiting& entry : waiting_) {
        const bool shown = win.IsWindowVisible(entry.window);
        if (entry.stage == Stage::Answered && shown)
            ready.push_back(entry.window);
        else if (entry.stage == Stage::Answered && entry.asked >= kAsksBeforeRelook)
            entry.stage = Stage::Hidden;
        // Answered while its program was still showing it (it read its queue
        // inside a call of its own): asked again at once, a few times.
        else if (entry.stage == Stage::Reported || entry.stage == Stage::Answered ||
                 (entry.stage == Stage::Hidden && shown))
            entry.stage = Ask(entry) ? Stage::Asked : Stage::Answered;
    }
    std::erase_if(waiting_, [&](const Waiting& entry) {
        return std::find(ready.begin(), ready.end(), entry.window) != ready.end();
    });
    if (!ready.empty()) {
        // An error escaping the checks leaves the rest to the poll, and the
        // queue ready for the next events.
        struct Checking {
            bool& flag;
            explicit Checking(bool& f) : flag(f) { flag = true; }
            ~Checking() { flag = false; }
            Checking(const Checking&) = delete;
            Checking& operator=(const Checking&) = delete;
        } checking(checking_);
        // A window its program placed while it was announced is asked again.
        for (const Hwnd window : checkWindows_(ready)) {
            if (Running() && Find(window) == nullptr && waiting_.size() < kCapacity)
                waiting_.push_back({window, context_.platform.os.GetTickCount()});
        }
    }
    if (!Running())
        return;
    const bool reAsk = std::any_of(waiting_.begin(), waiting_.end(), [](const Waiting& entry) {
        return entry.stage == Stage::Reported || entry.stage == Stage::Answered;
    });
    if (reAsk)
        PostPending();
    SetRelookTimer(std::any_of(waiting_.begin(), waiting_.end(),
                               [](const Waiting& entry) { return entry.stage == Stage::Hidden; }));
}

bool WindowEvents::Ask(Waiting& entry) {
    // The answer comes through this thread's queue, possibly while a pass
    // waits on another program: it only marks the window and posts the
    // pending message, so nothing runs in the middle of a pass.
    std::weak_ptr<bool> session = session_;
    ++entry.asked;
    return context_.platform.win.SendMessageCallbackW(
        entry.window, wm::NULL_, 0, 0, [this, session](Hwnd window, std::uint32_t, std::intptr_t) {
            if (!session.expired())
                OnAnswer(window);
        });
}

void WindowEvents::OnAnswer(Hwnd window) {
    Waiting* entry = Find(window);
    if (entry == nullptr || entry->stage != Stage::Asked)
        return;
    entry->stage = Stage::Answered;
    PostPending();
}

bool WindowEvents::Keep(const Waiting& entry, std::uint32_t now) {
    IWindowSystem& win = context_.platform.win;
    // A window destroyed before its turn is simply skipped.
    if (!win.IsWindow(entry.window))
        return false;
    std::uint32_t process = 0;
    win.GetWindowThreadProcessId(entry.window, &process);
    if (process == ownProcess_)
        return false;
    const std::uint32_t waited = now - entry.sinceMs;
    if (entry.stage == Stage::Hidden)
        return waited < kRelookForMs;
    return entry.stage != Stage::Asked || waited < kAnswerForMs;
}

void WindowEvents::PostPending() {
    if (!pendingPosted_ && !checking_)
        pendingPosted_ =
            context_.platform.win.PostMessageA(owner_, private_msg::EVENTS_PENDING, 0, 0);
}

void WindowEvents::SetRelookTimer(bool on) {
    if (on == relookTimer_)
        return;
    IWindowSystem& win = context_.platform.win;
    relookTimer_ = on && win.SetTimer(owner_, timer_id::RELOOK, kRelookMs);
    if (!on)
        win.KillTimer(owner_, timer_id::RELOOK);
}

} // namespace vm
