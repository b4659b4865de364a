#include "ordering_checks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "platform/constants.h"
#include "platform/private_ids.h"
#include "sim_desktop/cp932.h"

namespace vm::ordering {

namespace {

// What Velmora may not do while a message from outside is held inside
// another handling.
constexpr std::array<std::string_view, 19> kEffects = {
    "TrackPopupMenu",
    "TrackPopupMenuEx",
    "Shell_NotifyIconA",
    "Shell_NotifyIconW",
    "CreateWindowExA",
    "CreateWindowExW",
    "DestroyWindow",
    "PostQuitMessage",
    "ShowWindow",
    "ShowWindowAsync",
    "SetWindowPos",
    "SetForegroundWindow",
    "SendMessageTimeoutA",
    "SendMessageTimeoutW",
    "SendMessageA",
    "sndPlaySoundA",
    "Sleep",
    "MessageBoxA",
    "MessageBoxW",
};

// Messages from outside a handling: the shell's, the user's, other
// programs', the timers and what Velmora posted itself for later.
bool FromOutside(std::uint32_t msg) {
    return msg == private_msg::TRAY_CALLBACK || msg == wm::COMMAND || msg == wm::COPYDATA ||
           msg == wm::CLOSE || msg == wm::QUERYENDSESSION || msg == wm::ENDSESSION ||
           msg == wm::SYSCOMMAND || msg == wm::TIMER || msg == private_msg::EVENTS_PENDING ||
           msg == private_msg::HANDLE_DEFERRED;
}

std::vector<std::int64_t> Numbers(const std::string& args) {
    std::vector<std::int64_t> numbers;
    std::size_t start = 0;
    while (start <= args.size()) {
        const std::size_t comma = std::min(args.find(',', start), args.size());
        try {
            numbers.push_back(std::stoll(args.substr(start, comma - start)));
        } catch (...) {
            numbers.push_back(0);
        }
        start = comma + 1;
    }
    return numbers;
}

std::string Narrow(const std::u16string& text) {
    return sim::ToCp932(text);
}

std::string Name(int window) {
    return "W" + std::to_string(window + 1);
}

std::string Ms(std::uint64_t time) {
    return std::to_string(time) + " ms";
}

bool IsEventsCheck(std::uint32_t msg, std::uintptr_t wParam) {
    return msg == private_msg::EVENTS_PENDING || msg == private_msg::HANDLE_DEFERRED ||
           (msg == wm::TIMER && wParam == timer_id::RELOOK);
}

class Checker {
public:
    explicit Checker(const OrderingScene& scene)
        : scene_(scene), schedule_(scene.schedule()), windows_(schedule_.windows.size()),
          processes_(static_cast<std::size_t>(schedule_.processes)) {}

    std::vector<Violation> Run() {
        const std::vector<Mark>& marks = scene_.marks();
        const std::vector<sim::CallRecord>& calls = scene_.calls();
        std::size_t m = 0;
        for (std::size_t c = 0; c <= calls.size(); ++c) {
            while (m < marks.size() && marks[m].call <= c)
                OnMark(marks[m++]);
            if (c < calls.size())
                OnCall(calls, c);
        }
        return std::move(violations_);
    }

private:
    struct Send {
        std::uint64_t time = 0;
        bool settled = false;
        bool underBand = false;
        bool events = false; // sent by a window-event check, not a tick
    };
    struct WindowModel {
        bool exists = false, visible = false, maximized = false;
        Rect rect;
        enum class Setter { Program, User, Velmora } setter = Setter::Program;
        std::uint64_t setAt = 0;
        std::uint64_t lastChange = 0; // sequence numbers
        std::uint64_t lastChangeTime = 0;
        bool inDrag = false;
        std::uint64_t dragSince = 0; // sequence number
        bool notice = false;
        std::string noticeWhy;
        std::optional<std::uint64_t> restSince;
        bool restReported = false;
        bool movedEver = false;
        bool dropped = false; // by the user, since Velmora last moved it
        bool announcedEver = false;
        // Announced (given the replacement title) and not yet moved, since.
        std::optional<std::uint64_t> announcedAt;
        std::deque<Send> sends;
    };
    struct ProcessModel {
        bool reading = true;
        std::uint64_t lastRead = 0;
        bool longBusy = false; // busy for five seconds or more at some point
    };
    struct Handling {
        std::uint64_t begin = 0;
        std::uint64_t beginSeq = 0;
        std::uint32_t msg = 0;
        std::uintptr_t wParam = 0;
        std::map<int, int> swaps, sends;
        int sounds = 0, flashes = 0, titleSends = 0, boundedSends = 0;
        bool raise = false;
        bool released = false; // the gate's release has handed it its message
    };
    struct Held {
        std::uint32_t msg = 0;
        bool enabled = true;
        bool reported = false;
    };

    // The first violation of each kind is kept; later ones are counted.
    void Fail(int invariant, std::string fault, std::uint64_t time, std::string text) {
        for (Violation& v : violations_) {
            if (v.invariant == invariant && v.fault == fault) {
                ++v.repeats;
                return;
            }
        }
        violations_.push_back({invariant, std::move(fault), time, std::move(text)});
    }

    WindowModel& W(int window) { return windows_[static_cast<std::size_t>(window)]; }
    ProcessModel& P(int window) {
        return processes_[static_cast<std::size_t>(
            schedule_.windows[static_cast<std::size_t>(window)].process)];
    }
    bool UnderBand(const WindowModel& w) const {
        return w.exists && w.visible && !w.maximized && w.rect.top < kWatchLine;
    }
    bool Settled(int window) { return P(window).lastRead > W(window).lastChange; }

    // A full pass looks at every window; those under the band it must move.
    void NoticeUnderBand(const char* why) {
        for (WindowModel& w : windows_) {
            if (UnderBand(w) && !w.notice) {
                w.notice = true;
                w.noticeWhy = why;
            }
        }
    }

    void OnMark(const Mark& mark) {
        now_ = std::max(now_, mark.time);
        switch (mark.kind) {
            case MarkKind::Change:
                OnChange(mark);
                break;
            case MarkKind::Busy:
                processes_[static_cast<std::size_t>(mark.process)].reading = false;
                if (mark.busyMs >= 5000)
                    processes_[static_cast<std::size_t>(mark.process)].longBusy = true;
                break;
            case MarkKind::Hang:
                processes_[static_cast<std::size_t>(mark.process)].reading = false;
                break;
            case MarkKind::QueueRead: {
                ProcessModel& p = processes_[static_cast<std::size_t>(mark.process)];
                p.reading = true;
                p.lastRead = ++seq_;
                break;
            }
            case MarkKind::SetText:
                OnSetText(mark);
                break;
            case MarkKind::DispatchBegin:
                OnDispatchBegin(mark);
                break;
            case MarkKind::DispatchEnd:
                OnDispatchEnd(mark);
                break;
            case MarkKind::End:
                OnEnd(mark);
                break;
            case MarkKind::Foreground:
            case MarkKind::Tray:
                break;
        }
        OnState(mark);
        CheckRests();
    }

    void OnState(const Mark& mark) {
        foreground_ = mark.foreground;
        enabled_ = mark.enabled;
        taskbarHidden_ = mark.taskbarHidden;
        taskbarInFront_ = mark.taskbarInFront;
        settingsShown_ = mark.settingsShown;
        if (mark.frozenCalls > frozen_) {
            frozen_ = mark.frozenCalls;
            Fail(6, "7", mark.time,
                 "Velmora called into a thread that does not answer, without a bound (a "
                 "frozen call at " +
                     Ms(mark.time) + ")");
        }
    }

    void OnChange(const Mark& mark) {
        WindowModel& w = W(mark.window);
        const bool wasVisible = w.exists && w.visible;
        const bool wasMaximized = w.maximized;
        // Showing a shown window, restoring one that is not maximized, and the
        // like change nothing anyone could see.
        const bool noChange =
            (mark.action == ActionKind::Show || mark.action == ActionKind::Hide ||
             mark.action == ActionKind::Place || mark.action == ActionKind::Maximize ||
             mark.action == ActionKind::Restore) &&
            w.exists == mark.exists && w.visible == mark.visible && w.maximized == mark.maximized &&
            w.rect == mark.rect;
        w.exists = mark.exists;
        w.visible = mark.visible;
        w.maximized = mark.maximized;
        if (mark.action == ActionKind::Retitle || noChange)
            return;
        if (mark.rect != w.rect || mark.maximized != wasMaximized) {
            w.setter = mark.action == ActionKind::DragMove ? WindowModel::Setter::User
                                                           : WindowModel::Setter::Program;
            w.setAt = mark.time;
        }
        w.rect = mark.rect;
        w.lastChange = ++seq_;
        w.lastChangeTime = mark.time;
        if (mark.reading)
            P(mark.window).lastRead = ++seq_;
        if (mark.action == ActionKind::DragBegin) {
            w.inDrag = true;
            w.dragSince = seq_;
            // The user takes the window over: a move owed is void.
            w.announcedAt.reset();
        }
        if (mark.action == ActionKind::DragEnd) {
            w.inDrag = false;
            w.notice = true;
            w.noticeWhy = "dropped by the user";
            w.dropped = true;
        } else if (mark.visible && !wasVisible) {
            w.notice = true;
            w.noticeWhy = mark.action == ActionKind::Create ? "created" : "shown";
        }
    }

    void OnSetText(const Mark& mark) {
        const std::string name = Name(mark.window);
        if (!mark.wide && mark.text != kReplacementTitle) {
            Fail(4, "5", mark.time,
                 name + " was given the title \"" + Narrow(mark.text) +
                     "\", neither the replacement nor its own");
        } else if (mark.wide && mark.title != kReplacementTitle && mark.text != mark.title) {
            Fail(4, "5", mark.time,
                 "at " + Ms(mark.time) + " Velmora put back \"" + Narrow(mark.text) + "\" over " +
                     name + "'s own new title \"" + Narrow(mark.title) + "\"");
        }
    }

    void OnDispatchBegin(const Mark& mark) {
        if (mark.depth == 1) {
            handling_ = Handling{};
            handling_->begin = mark.time;
            handling_->beginSeq = ++seq_;
            handling_->msg = mark.msg;
            handling_->wParam = mark.wParam;
            return;
        }
        // The gate's release hands on one held message, handled as if it
        // came then: that message is the handling, not inside it.
        if (handling_ && mark.depth == 2 && handling_->msg == private_msg::HANDLE_DEFERRED &&
            !handling_->released && FromOutside(mark.msg)) {
            handling_->released = true;
            handling_->msg = mark.msg;
            handling_->wParam = mark.wParam;
            releasedDepth_ = true;
            return;
        }
        if (handling_ && FromOutside(mark.msg) && !held_)
            held_ = Held{mark.msg, mark.enabled};
    }

    void OnDispatchEnd(const Mark& mark) {
        if (mark.depth == 2 && releasedDepth_ && !held_) {
            releasedDepth_ = false;
            return;
        }
        if (mark.depth > 1) {
            if (held_ && held_->msg == mark.msg) {
                if (mark.enabled != held_->enabled && !held_->reported)
                    Fail(5, "6", mark.time,
                         "watching was switched at " + Ms(mark.time) + " by a " +
                             MessageName(mark.msg) + " handled inside the handling of a " +
                             MessageName(handling_->msg));
                held_.reset();
            }
            return;
        }
        if (!handling_)
            return;
        EndHandling(mark.time);
        handling_.reset();
        held_.reset();
        releasedDepth_ = false;
    }

    std::string MessageName(std::uint32_t msg) const {
        if (msg == private_msg::TRAY_CALLBACK)
            return "tray callback";
        if (msg == wm::TIMER)
            return "timer";
        if (msg == wm::COMMAND)
            return "menu command";
        if (msg == private_msg::EVENTS_PENDING)
            return "window-event check";
        if (msg == private_msg::HANDLE_DEFERRED)
            return "deferred-message handling";
        return "message " + std::to_string(msg);
    }

    void EndHandling(std::uint64_t end) {
        Handling& h = *handling_;
        const std::uint64_t lasted = end - h.begin;
        if (lasted > HandlingBoundMs(h.flashes, h.boundedSends)) {
            // Title sends one after another, each waiting for its time-out.
            std::string fault = h.raise ? "7" : h.titleSends >= 3 ? "8" : "long handling";
            Fail(6, fault, end,
                 "one " + MessageName(h.msg) + " kept Velmora's thread from " + Ms(h.begin) +
                     " to " + Ms(end) + " (" + std::to_string(lasted) + " ms, " +
                     std::to_string(h.titleSends) + " title sends of " +
                     std::to_string(h.boundedSends) + " bounded sends" +
                     (h.raise ? ", a raise of the window in front" : "") + ")");
            longHandlingUntil_ = end;
        }
        if (!schedule_.options.announced)
            return;
        int announced = 0;
        for (const auto& [window, count] : h.swaps) {
            ++announced;
            WindowModel& w = W(window);
            if (count > 1)
                Fail(2, "3", end,
                     Name(window) + " got " + std::to_string(count) +
                         " replacement titles in one pass ending at " + Ms(end));
            // Not moved in the pass that announced it (it changed meanwhile):
            // its move is owed, within the second a window at rest has.
            if (w.announcedAt && UnderBand(w) && !w.inDrag) {
                w.notice = true;
                w.noticeWhy = "announced at " + Ms(*w.announcedAt) + " and not moved then";
            }
        }
        if (h.flashes > 1)
            Fail(2, "3", end,
                 std::to_string(h.flashes) + " flashes in one pass ending at " + Ms(end));
        if ((h.flashes > 0 || h.sounds > 0) && announced == 0 && h.sends.empty())
            Fail(2, "3", end,
                 "a flash or sound without any window announced or moved, in the pass ending at " +
                     Ms(end));
    }

    void OnCall(const std::vector<sim::CallRecord>& calls, std::size_t index) {
        const sim::CallRecord& call = calls[index];
        now_ = std::max(now_, call.timeMs);
        if (call.pid == scene_.velmoraPid())
            OnVelmoraCall(calls, index);
        else if (call.name == "SetWindowPos")
            OnMoveCarriedOut(call);
        CheckRests();
    }

    void OnVelmoraCall(const std::vector<sim::CallRecord>& calls, std::size_t index) {
        const sim::CallRecord& call = calls[index];
        if (held_ && !held_->reported &&
            std::find(kEffects.begin(), kEffects.end(), call.name) != kEffects.end()) {
            held_->reported = true;
            Fail(5, "6", call.timeMs,
                 "a " + MessageName(held_->msg) + " reached Velmora inside its handling of a " +
                     MessageName(handling_->msg) + " and acted there: " + call.name + " at " +
                     Ms(call.timeMs));
        }
        const std::vector<std::int64_t> args = Numbers(call.args);
        if (call.name == "SendMessageTimeoutA" || call.name == "SendMessageTimeoutW") {
            if (handling_)
                ++handling_->boundedSends;
            if (handling_ && args.size() > 1 && args[1] == wm::SETTEXT)
                ++handling_->titleSends;
            const int window = scene_.WindowIndex(static_cast<std::uint64_t>(args[0]));
            if (call.name == "SendMessageTimeoutA" && window >= 0 && args.size() > 1 &&
                args[1] == wm::SETTEXT && handling_) {
                WindowModel& w = W(window);
                if (w.announcedAt && handling_->swaps.count(window) == 0)
                    Fail(2, "3", call.timeMs,
                         Name(window) + " was announced again at " + Ms(call.timeMs) +
                             ", though its announcement at " + Ms(*w.announcedAt) +
                             " was followed by no move and it stayed under the band");
                ++handling_->swaps[window];
                w.announcedEver = true;
                w.announcedAt = call.timeMs;
            }
            return;
        }
        // A tick's full pass looks at every window.
        if (call.name == "EnumDisplayMonitors" && handling_ && handling_->msg == wm::TIMER) {
            NoticeUnderBand("a full pass");
            return;
        }
        if (call.name == "sndPlaySoundA" && handling_) {
            ++handling_->sounds;
            return;
        }
        if (call.name == "Sleep" && handling_ && !args.empty() && args[0] == 100) {
            ++handling_->flashes;
            return;
        }
        if (call.name == "ShowWindowAsync" && !args.empty()) {
            if (const int window = scene_.WindowIndex(static_cast<std::uint64_t>(args[0]));
                window >= 0)
                W(window).announcedAt.reset();
            return;
        }
        if (call.name != "SetWindowPos" || args.size() < 7)
            return;
        const auto flags = static_cast<std::uint32_t>(args[6]);
        if ((flags & swp::NOMOVE) != 0 && (flags & swp::NOSIZE) != 0) {
            if (handling_ && (flags & swp::ASYNCWINDOWPOS) == 0)
                handling_->raise = true;
            return;
        }
        const int window = scene_.WindowIndex(static_cast<std::uint64_t>(args[0]));
        if (window < 0)
            return;
        WindowModel& w = W(window);
        w.announcedAt.reset();
        if (handling_)
            ++handling_->sends[window];
        // A drag that began while the move was being announced races with it.
        if (w.inDrag && (!handling_ || w.dragSince < handling_->beginSeq))
            Fail(1, "the user's hold", call.timeMs,
                 "Velmora sent a move of " + Name(window) + " at " + Ms(call.timeMs) +
                     " while the user was dragging it");
        Send send;
        send.time = call.timeMs;
        send.settled = Settled(window);
        send.underBand = UnderBand(w);
        send.events = handling_ && IsEventsCheck(handling_->msg, handling_->wParam);
        w.sends.push_back(send);
        if ((flags & swp::ASYNCWINDOWPOS) == 0)
            OnMoveCarriedOut(call);
    }

    void OnMoveCarriedOut(const sim::CallRecord& call) {
        const std::vector<std::int64_t> args = Numbers(call.args);
        if (args.size() < 7)
            return;
        const int window = scene_.WindowIndex(static_cast<std::uint64_t>(args[0]));
        if (window < 0)
            return;
        WindowModel& w = W(window);
        if (w.sends.empty())
            return;
        const Send send = w.sends.front();
        w.sends.pop_front();
        const auto x = static_cast<std::int32_t>(args[2]);
        const auto y = static_cast<std::int32_t>(args[3]);
        const Rect target{x, y, x + static_cast<std::int32_t>(args[4]),
                          y + static_cast<std::int32_t>(args[5])};
        if (target == w.rect)
            return;
        const bool legitimate = send.settled && send.underBand;
        const bool kept = w.visible && (w.rect.top >= kWatchLine || w.maximized) &&
                          w.setter != WindowModel::Setter::Velmora;
        if (!legitimate && kept) {
            std::string why = !send.settled
                                  ? "its program had not read its queue since it last changed it"
                                  : "it was not under the band";
            Fail(1, send.events ? "1" : "a tick moved an unsettled window", call.timeMs,
                 Name(window) + "'s place at top " + std::to_string(w.rect.top) +
                     (w.maximized ? " (maximized)" : "") + ", given at " + Ms(w.setAt) +
                     ", was overwritten at " + Ms(call.timeMs) + " by Velmora's move to top " +
                     std::to_string(target.top) + ", sent at " + Ms(send.time) + " by a " +
                     (send.events ? "window-event check" : "tick") + " when " + why);
        }
        w.rect = target;
        w.setter = WindowModel::Setter::Velmora;
        w.setAt = call.timeMs;
        w.movedEver = true;
        w.dropped = false;
        w.notice = false;
        w.restSince.reset();
    }

    void CheckRests() {
        for (std::size_t i = 0; i < windows_.size(); ++i) {
            const int window = static_cast<int>(i);
            WindowModel& w = windows_[i];
            // Something Velmora watches brought the window to rest elsewhere:
            // that is over.
            if (w.notice && !UnderBand(w) && !w.inDrag && Settled(window))
                w.notice = false;
            // Out of the band, a move announced is no longer owed.
            if (!UnderBand(w))
                w.announcedAt.reset();
            const bool exempt = schedule_.options.active && foreground_ == window && w.movedEver;
            const bool rest = UnderBand(w) && w.notice && !w.inDrag && Settled(window) &&
                              P(window).reading && enabled_ && !taskbarHidden_ &&
                              !taskbarInFront_ && !settingsShown_ && !exempt;
            if (!rest) {
                w.restSince.reset();
                continue;
            }
            if (!w.restSince)
                w.restSince = now_;
            if (now_ - *w.restSince <= kRestDeadlineMs || w.restReported)
                continue;
            w.restReported = true;
            const WindowPlan& plan = schedule_.windows[i];
            std::string fault = "not moved";
            if (w.dropped && schedule_.options.wine)
                fault = "4";
            else if (plan.adjustsOnSwap && w.announcedEver)
                fault = "3";
            else if (P(window).longBusy)
                fault = "2";
            else if (longHandlingUntil_ >= *w.restSince)
                fault = "8";
            Fail(3, fault, now_,
                 Name(window) + " lay at rest under the band (top " + std::to_string(w.rect.top) +
                     ", " + w.noticeWhy + ") from " + Ms(*w.restSince) +
                     " and was still there at " + Ms(now_));
        }
    }

    void OnEnd(const Mark& mark) {
        if (scene_.livelocked()) {
            Fail(6, "never at rest", mark.time,
                 "Velmora never came to rest: cut short at " + Ms(mark.time) + " after " +
                     std::to_string(scene_.calls().size()) + " calls");
            return;
        }
        for (std::size_t i = 0; i < windows_.size(); ++i) {
            const int window = static_cast<int>(i);
            const std::optional<std::u16string> shown = scene_.ShownTitle(window);
            if (shown && *shown != scene_.ProgramTitle(window))
                Fail(4, "5", mark.time,
                     Name(window) + " ends with the title \"" + Narrow(*shown) +
                         "\", not its program's \"" + Narrow(scene_.ProgramTitle(window)) + "\"");
        }
        if (const std::optional<std::uint64_t> longest = scene_.longestWaitMs();
            longest && *longest > kCallBoundMs)
            Fail(6, "7", mark.time,
                 "Velmora's thread waited " + std::to_string(*longest) + " ms inside one call");
    }

    const OrderingScene& scene_;
    const Schedule& schedule_;
    std::vector<WindowModel> windows_;
    std::vector<ProcessModel> processes_;
    std::vector<Violation> violations_;
    std::uint64_t seq_ = 0;
    std::uint64_t now_ = 0;
    int foreground_ = -1;
    bool enabled_ = true, taskbarHidden_ = false, taskbarInFront_ = false, settingsShown_ = false;
    std::size_t frozen_ = 0;
    std::optional<Handling> handling_;
    std::optional<Held> held_;
    bool releasedDepth_ = false; // inside the message a release handed on
    std::uint64_t longHandlingUntil_ = 0;
};

std::string MarkLine(const OrderingScene& scene, const Mark& mark) {
    const std::string name = mark.window >= 0 ? Name(mark.window) : "";
    const std::string process = "P" + std::to_string(mark.process + 1);
    auto where = [&] {
        if (!mark.exists)
            return std::string(" (gone)");
        return " (top " + std::to_string(mark.rect.top) + (mark.visible ? "" : ", hidden") +
               (mark.maximized ? ", maximized" : "") + (mark.reading ? "" : ", P busy") + ")";
    };
    switch (mark.kind) {
        case MarkKind::Change: {
            static const std::map<ActionKind, const char*> kWhat = {
                {ActionKind::Create, "created"},        {ActionKind::Show, "shown"},
                {ActionKind::Hide, "hidden"},           {ActionKind::Place, "placed"},
                {ActionKind::Maximize, "maximized"},    {ActionKind::Restore, "restored"},
                {ActionKind::Retitle, "retitled"},      {ActionKind::Destroy, "destroyed"},
                {ActionKind::DragBegin, "drag begins"}, {ActionKind::DragMove, "dragged"},
                {ActionKind::DragEnd, "dropped"}};
            std::string text = name + " " + kWhat.at(mark.action) + where();
            if (mark.action == ActionKind::Retitle || mark.action == ActionKind::Create)
                text += " title \"" + Narrow(mark.text) + "\"";
            if (mark.reaction)
                text += ", its program answering the replacement title";
            return text;
        }
        case MarkKind::Foreground:
            return name + " comes to the front";
        case MarkKind::Busy:
            return process + " busy for " + std::to_string(mark.busyMs) + " ms";
        case MarkKind::Hang:
            return process + " hangs";
        case MarkKind::QueueRead:
            return process + " reads its queue";
        case MarkKind::Tray:
            return std::string("shell: ") +
                   (mark.msg == wm::LBUTTONDBLCLK ? "double-click" : "right-click") +
                   " on the icon";
        case MarkKind::SetText:
            return name + " receives WM_SETTEXT \"" + Narrow(mark.text) + "\" (was \"" +
                   Narrow(mark.title) + "\")";
        case MarkKind::DispatchBegin:
            return std::string(mark.depth > 1 ? "  [inside] " : "") + "Velmora handles msg 0x" +
                   [&] {
                       char buffer[16];
                       std::snprintf(buffer, sizeof buffer, "%X", mark.msg);
                       return std::string(buffer);
                   }() +
                   " wParam " + std::to_string(mark.wParam);
        case MarkKind::DispatchEnd:
            return std::string(mark.depth > 1 ? "  [inside] " : "") + "  done" +
                   (mark.enabled ? "" : " (watching off)") +
                   (mark.taskbarHidden ? " (taskbar hidden)" : "");
        case MarkKind::End:
            return "end";
    }
    (void)scene;
    return "";
}

constexpr std::size_t kMostTraceLines = 3000;

std::string ViolationLine(const Violation& v) {
    std::string line = "!! invariant " + std::to_string(v.invariant) + ": " + v.text;
    if (v.repeats > 0)
        line += " (and " + std::to_string(v.repeats) + " more like it)";
    return line + "\n";
}

bool TracedCall(const OrderingScene& scene, const sim::CallRecord& call) {
    if (call.pid != scene.velmoraPid())
        return call.name == "SetWindowPos";
    static const std::set<std::string_view> kTraced = {"SetWindowPos",
                                                       "ShowWindowAsync",
                                                       "SendMessageTimeoutA",
                                                       "SendMessageTimeoutW",
                                                       "Sleep",
                                                       "sndPlaySoundA",
                                                       "TrackPopupMenu",
                                                       "SendMessageCallbackW",
                                                       "SetForegroundWindow",
                                                       "Shell_NotifyIconW"};
    return std::getenv("ORDERING_TRACE_ALL") != nullptr || kTraced.count(call.name) != 0;
}

std::string CallLine(const OrderingScene& scene, const sim::CallRecord& call) {
    std::string args = call.args;
    // Handles of the scene's windows by name.
    std::vector<std::int64_t> numbers = Numbers(call.args);
    if (!numbers.empty()) {
        const int window = scene.WindowIndex(static_cast<std::uint64_t>(numbers[0]));
        if (window >= 0)
            args = Name(window) + args.substr(std::min(args.size(), args.find(',')));
    }
    if (call.pid != scene.velmoraPid())
        return "  " + Name(scene.WindowIndex(static_cast<std::uint64_t>(numbers[0]))) +
               "'s thread carries out SetWindowPos(" + args + ")";
    return "  Velmora: " + call.name + "(" + args + ")";
}

} // namespace

std::vector<Violation> CheckSchedule(const OrderingScene& scene) {
    return Checker(scene).Run();
}

std::string Trace(const OrderingScene& scene, const std::vector<Violation>& violations) {
    const Schedule& schedule = scene.schedule();
    std::string out = "Schedule " + DescribeOptions(schedule) + "\n";
    for (const Action& action : schedule.actions)
        out += "  " + Describe(schedule, action) + "\n";
    out += "What happened (ms since Velmora's start):\n";
    const std::vector<Mark>& marks = scene.marks();
    const std::vector<sim::CallRecord>& calls = scene.calls();
    std::size_t m = 0;
    std::size_t v = 0;
    std::vector<Violation> sorted = violations;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Violation& a, const Violation& b) { return a.time < b.time; });
    std::size_t lines = 0;
    // A handling in which nothing traced happened (an idle tick) is left out.
    std::vector<std::pair<std::uint64_t, std::string>> pending;
    bool inHandling = false;
    auto flush = [&] {
        for (const auto& [time, text] : pending) {
            while (v < sorted.size() && sorted[v].time < time) {
                out += ViolationLine(sorted[v]);
                ++v;
            }
            if (++lines <= kMostTraceLines)
                out += std::to_string(time) + "\t" + text + "\n";
        }
        pending.clear();
    };
    for (std::size_t c = 0; c <= calls.size(); ++c) {
        while (m < marks.size() && marks[m].call <= c) {
            const Mark& mark = marks[m++];
            const bool top = mark.depth == 1;
            if (mark.kind == MarkKind::DispatchBegin && top) {
                flush();
                inHandling = true;
                pending.emplace_back(mark.time, MarkLine(scene, mark));
            } else if (mark.kind == MarkKind::DispatchEnd && top) {
                if (pending.size() > 1) {
                    pending.emplace_back(mark.time, MarkLine(scene, mark));
                    flush();
                }
                pending.clear();
                inHandling = false;
            } else {
                pending.emplace_back(mark.time, MarkLine(scene, mark));
                if (!inHandling)
                    flush();
            }
        }
        if (c < calls.size() && TracedCall(scene, calls[c])) {
            pending.emplace_back(calls[c].timeMs, CallLine(scene, calls[c]));
            if (!inHandling)
                flush();
        }
    }
    flush();
    for (; v < sorted.size(); ++v)
        out += ViolationLine(sorted[v]);
    if (lines > kMostTraceLines)
        out += "(" + std::to_string(lines - kMostTraceLines) + " more lines left out)\n";
    return out;
}

} // namespace vm::ordering
