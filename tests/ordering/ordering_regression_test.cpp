// The ordering fuzzer's regression seeds: for each ordering fault it found,
// the first schedule that showed it. Each must keep every invariant; a
// failure prints the schedule's trace (also: velmora_ordering_fuzz --replay SEED).
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ordering_checks.h"
#include "ordering_scene.h"
#include "ordering_schedule.h"

namespace vm::ordering {
namespace {

struct Seed {
    const char* fault;
    std::uint64_t seed;
};

std::string Failures(const std::vector<Violation>& violations) {
    std::string text;
    for (const Violation& v : violations)
        text += "invariant " + std::to_string(v.invariant) + ": " + v.text + "\n";
    return text;
}

TEST(OrderingRegressionTest, EverySeedThatFoundAFaultKeepsEveryInvariant) {
    const std::vector<Seed> seeds{
        {"1: an answer given before the window was shown counts as settled", 1749},
        {"1: a busy program puts its window back while announced, then places it", 3331},
        {"1: hidden by its program while announced, moved all the same", 36559},
        {"1, by the poll: a tick judges a window its program has not settled", 30},
        {"1, by the poll: a tick's move lands after the busy program's own maximize", 24},
        {"2: an ask older than 5 s swallows the window's later show", 124},
        {"2, by the poll: placed under the band during a hang after a pass met it", 4464},
        {"2, by the poll: hidden, shown and placed, all while its program is busy", 54503},
        {"2, Wine: created hidden, shown 600 ms later while the front changes back", 22491},
        {"3: a move skipped as changed still counts as handled (announced again)", 5},
        {"3: the same, with Active on (never moved)", 40},
        {"3, Active on: left alone in front, in front no longer between two ticks", 109417},
        {"8: a batch waits out another window's restore to a busy thread", 102250},
        {"3: a window marked untouchable by a move that never happened", 207},
        {"3: maximized while announced, then placed back under the band, all busy", 14445},
        {"4: the user's drop is never handled without an end event", 16},
        {"4: the same, while another window of that thread is in front", 1983},
        {"4: a move sent after the announcement while the user drags the window", 12839},
        {"4: dropped clear of the band while hung, then placed under it", 17562},
        {"5: a title the program changes during the announcement is overwritten", 10},
        {"5: the restore queued to a busy thread lands over the title it set meanwhile", 59},
        {"6: the shell's tray callbacks run inside a pass", 49},
        {"6: a second tray callback runs inside the first one's menu preparation", 4373},
        {"6: a right-click runs inside a double-click's Shell_NotifyIcon", 23630},
        {"7: a hung program in front freezes Velmora", 10},
        {"8: the title swaps of a batch run one after another", 228},
    };
    for (const Seed& s : seeds) {
        SCOPED_TRACE(std::string("fault ") + s.fault + ", seed " + std::to_string(s.seed));
        OrderingScene scene(GenerateSchedule(s.seed));
        scene.Run();
        const std::vector<Violation> violations = CheckSchedule(scene);
        EXPECT_TRUE(violations.empty()) << Failures(violations) << Trace(scene, violations);
    }
}

} // namespace
} // namespace vm::ordering
