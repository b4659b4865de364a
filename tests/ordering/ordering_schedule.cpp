#include "ordering_schedule.h"

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace vm::ordering {

namespace {

class Draw {
public:
    explicit Draw(std::uint64_t seed) : rng_(seed) {}
    std::uint32_t Below(std::uint32_t n) {
        return n == 0 ? 0 : static_cast<std::uint32_t>(rng_() % n);
    }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    // A top a program gives its window: mostly at the screen's top or well
    // below the band, sometimes just inside the band.
    int Top() {
        static constexpr std::array<int, 10> kTops = {0, 0, 0, 0, 4, 15, 60, 60, 200, 200};
        return kTops[Below(kTops.size())];
    }
    int LowerTop() { return Chance(0.5) ? 60 : 200; }

private:
    std::mt19937_64 rng_;
};

// The kinds of the extra actions and their weights. The weights make every
// ordering the fuzzer looks for reachable within a few thousand schedules.
enum class Extra {
    Place,
    Retitle,
    Maximize,
    Restore,
    HideShow,
    Destroy,
    Foreground,
    Busy,
    Hang,
    Drag,
    TrayToggle,
    TrayMenu,
    HideUnderHang,
};
struct Weighted {
    Extra kind;
    std::uint32_t weight;
};
constexpr std::array<Weighted, 13> kExtras = {{
    {Extra::Place, 14},
    {Extra::Retitle, 8},
    {Extra::Maximize, 4},
    {Extra::Restore, 3},
    {Extra::HideShow, 6},
    {Extra::Destroy, 2},
    {Extra::Foreground, 8},
    {Extra::Busy, 14},
    {Extra::Hang, 5},
    {Extra::Drag, 10},
    {Extra::TrayToggle, 5},
    {Extra::TrayMenu, 4},
    {Extra::HideUnderHang, 2},
}};

Extra PickExtra(Draw& draw) {
    std::uint32_t total = 0;
    for (const Weighted& w : kExtras)
        total += w.weight;
    std::uint32_t pick = draw.Below(total);
    for (const Weighted& w : kExtras) {
        if (pick < w.weight)
            return w.kind;
        pick -= w.weight;
    }
    return Extra::Place;
}

class Builder {
public:
    Builder(Schedule& schedule, Draw& draw) : s_(schedule), draw_(draw) {}

    Action& Add(std::uint32_t at, ActionKind kind, int window) {
        Action action;
        action.at = at;
        action.kind = kind;
        action.window = window;
        action.process = window >= 0 ? s_.windows[static_cast<std::size_t>(window)].process : -1;
        s_.actions.push_back(action);
        return s_.actions.back();
    }
    void Busy(std::uint32_t at, int window, std::uint32_t ms) {
        Add(at, ActionKind::Busy, window).ms = ms;
    }

    // A window's life from its creation to its first rest. burst: the
    // moment all windows open at once, within a few milliseconds.
    void Open(int w, std::optional<std::uint32_t> burst) {
        const std::uint32_t length = s_.lengthMs;
        const bool wine = s_.options.wine;
        const std::uint32_t created = burst               ? *burst + draw_.Below(30)
                                      : draw_.Chance(0.7) ? draw_.Below(500)
                                                          : draw_.Below(length / 2);
        const bool hidden = draw_.Chance(0.5);
        const int top = draw_.Top();
        if (!hidden) {
            const bool placesFirst = draw_.Chance(0.4);
            const std::uint32_t busy = 5 + draw_.Below(200);
            if (placesFirst)
                Busy(created, w, busy);
            Action& create = Add(created, ActionKind::Create, w);
            create.top = top;
            create.foreground = draw_.Chance(0.5);
            if (placesFirst && draw_.Chance(0.7))
                Change(created + draw_.Below(busy), w);
            return;
        }
        Action& create = Add(created, ActionKind::Create, w);
        create.top = top;
        create.hidden = true;
        if (length > 6000 && draw_.Chance(0.25)) {
            // A long start-up: the program is busy for over five seconds
            // and shows the window before it reads its queue again.
            const std::uint32_t busy = 5200 + draw_.Below(1500);
            Busy(created, w, busy);
            Add(created + busy - 50 - draw_.Below(400), ActionKind::Show, w).foreground = wine;
            return;
        }
        const std::uint32_t shown =
            created + (draw_.Chance(0.7) ? 1 + draw_.Below(60) : 300 + draw_.Below(600));
        if (draw_.Chance(0.6)) {
            // Shown, then placed or maximized before its program reads its
            // queue again.
            // Mostly a short while; sometimes long enough to outlast an
            // announcement, placing the window near its end.
            const bool longer = draw_.Chance(0.3);
            const std::uint32_t busy = longer ? 900 + draw_.Below(1100) : 20 + draw_.Below(280);
            Busy(shown, w, busy);
            Add(shown, ActionKind::Show, w).foreground = wine || draw_.Chance(0.4);
            if (draw_.Chance(0.85))
                Change(shown + (longer ? busy - 1 - draw_.Below(300) : 1 + draw_.Below(busy - 1)),
                       w);
            return;
        }
        Add(shown, ActionKind::Show, w).foreground = wine || draw_.Chance(0.4);
    }

    void Change(std::uint32_t at, int w) {
        if (draw_.Chance(0.75))
            Add(at, ActionKind::Place, w).top = draw_.LowerTop();
        else
            Add(at, ActionKind::Maximize, w);
    }

    void AddExtra() {
        const auto windows = static_cast<std::uint32_t>(s_.windows.size());
        const int w = static_cast<int>(draw_.Below(windows));
        const std::uint32_t t = draw_.Below(s_.lengthMs);
        const bool tray = s_.options.announced; // silent mode has no icon
        switch (PickExtra(draw_)) {
            case Extra::Place:
                Add(t, ActionKind::Place, w).top =
                    draw_.Chance(0.3) ? draw_.Below(30) : draw_.Top();
                return;
            case Extra::Retitle:
                Add(t, ActionKind::Retitle, w);
                return;
            case Extra::Maximize:
                Add(t, ActionKind::Maximize, w);
                return;
            case Extra::Restore:
                Add(t, ActionKind::Restore, w);
                return;
            case Extra::HideShow:
                Add(t, ActionKind::Hide, w);
                Add(t + 10 + draw_.Below(400), ActionKind::Show, w).foreground =
                    s_.options.wine || draw_.Chance(0.4);
                return;
            case Extra::Destroy:
                Add(std::max(t, s_.lengthMs / 2), ActionKind::Destroy, w);
                return;
            case Extra::Foreground:
                Add(t, ActionKind::Foreground, w);
                return;
            case Extra::Busy:
                Busy(t, w, draw_.Chance(0.8) ? 5 + draw_.Below(200) : 300 + draw_.Below(1200));
                return;
            case Extra::Hang:
                Add(t, ActionKind::HangOn, w);
                Add(t + 300 + draw_.Below(2700), ActionKind::HangOff, w);
                return;
            case Extra::Drag: {
                const std::size_t first = s_.actions.size();
                Add(t, ActionKind::Foreground, w);
                Add(t, ActionKind::DragBegin, w);
                const std::uint32_t steps = 1 + draw_.Below(3);
                for (std::uint32_t i = 1; i <= steps; ++i) {
                    Add(t + i * (10 + draw_.Below(150)), ActionKind::DragMove, w).top =
                        draw_.Chance(0.7) ? static_cast<int>(draw_.Below(25))
                                          : 40 + static_cast<int>(draw_.Below(200));
                }
                const std::uint32_t end = t + steps * 160 + draw_.Below(400);
                Add(end, ActionKind::DragEnd, w);
                // The user has one pointer: a drag while another goes on is
                // not made (drawn all the same, so the rest of the schedule
                // stays as it was).
                const bool overlaps =
                    std::any_of(drags_.begin(), drags_.end(), [&](const auto& span) {
                        return t <= span.second && span.first <= end;
                    });
                if (overlaps)
                    s_.actions.resize(first);
                else
                    drags_.emplace_back(t, end);
                return;
            }
            case Extra::TrayToggle:
                if (!tray)
                    return;
                Add(t, ActionKind::TrayDoubleClick, -1);
                Add(t + 200 + draw_.Below(1000), ActionKind::TrayDoubleClick, -1);
                return;
            case Extra::TrayMenu:
                if (tray)
                    Add(t, ActionKind::TrayMenu, -1);
                return;
            case Extra::HideUnderHang:
                // The taskbar hidden from the menu while the program in
                // front does not answer.
                if (!tray)
                    return;
                Add(t, ActionKind::Foreground, w);
                Add(t + 10, ActionKind::HangOn, w);
                Add(t + 50 + draw_.Below(400), ActionKind::TrayMenu, -1).hide = true;
                Add(t + 600 + draw_.Below(2000), ActionKind::HangOff, w);
                return;
        }
    }

private:
    Schedule& s_;
    Draw& draw_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> drags_;
};

const char* KindName(ActionKind kind) {
    switch (kind) {
        case ActionKind::Create:
            return "created";
        case ActionKind::Show:
            return "shown";
        case ActionKind::Hide:
            return "hidden";
        case ActionKind::Place:
            return "placed";
        case ActionKind::Maximize:
            return "maximized";
        case ActionKind::Restore:
            return "restored";
        case ActionKind::Retitle:
            return "retitled";
        case ActionKind::Destroy:
            return "destroyed";
        case ActionKind::Foreground:
            return "activated by the user";
        case ActionKind::Busy:
            return "busy";
        case ActionKind::HangOn:
            return "hangs";
        case ActionKind::HangOff:
            return "answers again";
        case ActionKind::DragBegin:
            return "drag begins";
        case ActionKind::DragMove:
            return "dragged";
        case ActionKind::DragEnd:
            return "dropped";
        case ActionKind::TrayDoubleClick:
            return "tray icon double-clicked";
        case ActionKind::TrayMenu:
            return "tray menu opened";
    }
    return "?";
}

} // namespace

Schedule GenerateSchedule(std::uint64_t seed) {
    Draw draw(seed);
    Schedule s;
    s.seed = seed;
    s.options.announced = draw.Chance(0.7);
    s.options.active = draw.Chance(0.3);
    s.options.wine = draw.Chance(0.25);
    s.lengthMs = draw.Chance(0.12) ? 8000 : 3000;
    s.processes = 1 + static_cast<int>(draw.Below(3));
    const std::uint32_t windows = 1 + draw.Below(4);
    for (std::uint32_t i = 0; i < windows; ++i) {
        WindowPlan plan;
        plan.process = static_cast<int>(draw.Below(static_cast<std::uint32_t>(s.processes)));
        plan.retitlesOnSwap = draw.Chance(0.2);
        plan.adjustsOnSwap = draw.Chance(0.2);
        static constexpr std::array<int, 5> kAdjustTops = {0, 4, 12, 40, 120};
        plan.adjustTop = kAdjustTops[draw.Below(kAdjustTops.size())];
        if (draw.Chance(0.2))
            plan.busyOnSwapMs = 200 + draw.Below(700);
        s.windows.push_back(plan);
    }
    Builder build(s, draw);
    std::optional<std::uint32_t> burst;
    if (draw.Chance(0.4))
        burst = draw.Below(1500);
    for (std::uint32_t i = 0; i < windows; ++i)
        build.Open(static_cast<int>(i), burst);
    const std::uint32_t extras = 2 + draw.Below(8);
    for (std::uint32_t i = 0; i < extras; ++i)
        build.AddExtra();
    std::stable_sort(s.actions.begin(), s.actions.end(),
                     [](const Action& a, const Action& b) { return a.at < b.at; });
    if (!s.actions.empty())
        s.lengthMs = std::max(s.lengthMs, s.actions.back().at + 1);
    return s;
}

std::string Describe(const Schedule& schedule, const Action& action) {
    std::string text = std::to_string(action.at) + " ms  ";
    if (action.window >= 0)
        text += "W" + std::to_string(action.window + 1) + " (P" +
                std::to_string(action.process + 1) + ") ";
    if (action.kind == ActionKind::Busy || action.kind == ActionKind::HangOn ||
        action.kind == ActionKind::HangOff)
        text = std::to_string(action.at) + " ms  P" + std::to_string(action.process + 1) + " ";
    text += KindName(action.kind);
    switch (action.kind) {
        case ActionKind::Create:
            text += std::string(action.hidden ? " hidden" : " shown") + " at top " +
                    std::to_string(action.top) + (action.foreground ? ", in front" : "");
            break;
        case ActionKind::Show:
            text += action.foreground ? ", in front" : "";
            break;
        case ActionKind::Place:
        case ActionKind::DragMove:
            text += " to top " + std::to_string(action.top);
            break;
        case ActionKind::Busy:
            text += " for " + std::to_string(action.ms) + " ms";
            break;
        case ActionKind::TrayMenu:
            text += action.hide ? ", hide the taskbar chosen" : ", dismissed";
            break;
        default:
            break;
    }
    (void)schedule;
    return text;
}

std::string DescribeOptions(const Schedule& schedule) {
    std::string text = "seed " + std::to_string(schedule.seed) + ": ";
    text += schedule.options.announced ? "announced" : "silent (/S)";
    text += schedule.options.active ? ", Active on" : ", Active off";
    text += schedule.options.wine ? ", creation events only (Wine)" : ", all window events";
    text += ", " + std::to_string(schedule.processes) + " programs, " +
            std::to_string(schedule.windows.size()) + " windows, " +
            std::to_string(schedule.lengthMs) + " ms";
    for (std::size_t i = 0; i < schedule.windows.size(); ++i) {
        const WindowPlan& plan = schedule.windows[i];
        if (plan.retitlesOnSwap)
            text += "; W" + std::to_string(i + 1) + " retitles on the replacement title";
        if (plan.adjustsOnSwap)
            text += "; W" + std::to_string(i + 1) + " moves to top " +
                    std::to_string(plan.adjustTop) + " on the replacement title";
        if (plan.busyOnSwapMs > 0)
            text += "; W" + std::to_string(i + 1) + "'s program is busy " +
                    std::to_string(plan.busyOnSwapMs) + " ms on the replacement title";
    }
    return text;
}

} // namespace vm::ordering
