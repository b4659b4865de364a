// The ordering fuzzer's driver: runs schedules from consecutive seeds and
// stops at the first that breaks an invariant, printing its seed, what broke
// and the one command that replays it with a trace.
//
//   velmora_ordering_fuzz [--seed FIRST] [--schedules N] [--seconds S] [--known-open S1,S2]
//   velmora_ordering_fuzz --replay SEED
//   velmora_ordering_fuzz --survey [--seed FIRST] [--schedules N]
//
// --survey does not stop: for every kind of failure it prints the first seed
// and how many schedules it took, and how many schedules failed that way.
// --known-open names seeds of faults found and not fixed yet: they are
// reported and do not stop the run, and one that passes again fails the run
// until it is taken off the list, so the list never outlives its faults.
// ORDERING_TRACE_ALL=1 puts every call Velmora makes into the trace.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ordering_checks.h"
#include "ordering_scene.h"
#include "ordering_schedule.h"

namespace {

using vm::ordering::CheckSchedule;
using vm::ordering::GenerateSchedule;
using vm::ordering::OrderingScene;
using vm::ordering::Trace;
using vm::ordering::Violation;

std::vector<Violation> RunOne(std::uint64_t seed, std::string* trace) {
    OrderingScene scene(GenerateSchedule(seed));
    scene.Run();
    std::vector<Violation> violations = CheckSchedule(scene);
    if (trace != nullptr)
        *trace = Trace(scene, violations);
    return violations;
}

int Usage() {
    std::fprintf(stderr, "usage: velmora_ordering_fuzz [--seed FIRST] [--schedules N] "
                         "[--seconds S] [--known-open S1,S2] [--survey] | --replay SEED\n");
    return 2;
}

std::set<std::uint64_t> ParseSeeds(const char* text) {
    std::set<std::uint64_t> seeds;
    for (char* end = nullptr; *text != '\0'; text = *end == ',' ? end + 1 : end) {
        seeds.insert(std::strtoull(text, &end, 10));
        if (end == text)
            break;
    }
    return seeds;
}

std::string Kind(const Violation& v) {
    return "invariant " + std::to_string(v.invariant) + ", " +
           (v.fault.size() == 1 ? "fault " + v.fault : v.fault);
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t first = 1;
    std::uint64_t schedules = 10000;
    double seconds = 0;
    bool survey = false;
    std::optional<std::uint64_t> replay;
    std::set<std::uint64_t> knownOpen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue)
            first = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--schedules" && hasValue)
            schedules = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--seconds" && hasValue)
            seconds = std::strtod(argv[++i], nullptr);
        else if (arg == "--replay" && hasValue)
            replay = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--known-open" && hasValue)
            knownOpen = ParseSeeds(argv[++i]);
        else if (arg == "--survey")
            survey = true;
        else
            return Usage();
    }
    const std::string self = argc > 0 ? argv[0] : "velmora_ordering_fuzz";
    if (replay) {
        // The schedule first: it stands even if the run never ends.
        std::printf("%s\n", vm::ordering::DescribeOptions(GenerateSchedule(*replay)).c_str());
        std::fflush(stdout);
        std::string trace;
        const std::vector<Violation> violations = RunOne(*replay, &trace);
        std::printf("%s", trace.c_str());
        std::printf("%s\n", violations.empty() ? "all invariants hold" : "FAILED");
        return violations.empty() ? 0 : 1;
    }

    struct Found {
        std::uint64_t seed = 0;
        std::uint64_t after = 0; // schedules run until it was found
        std::uint64_t count = 0;
        std::string example;
    };
    std::map<std::string, Found> found;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::uint64_t run = 0;
    std::uint64_t failed = 0;
    std::uint64_t stillOpen = 0;
    std::uint64_t nowPassing = 0;
    for (std::uint64_t seed = first; (seconds > 0 || run < schedules); ++seed) {
        if (seconds > 0 && elapsed() >= seconds && (schedules == 0 || run >= schedules))
            break;
        ++run;
        const std::vector<Violation> violations = RunOne(seed, nullptr);
        const bool listed = knownOpen.count(seed) != 0;
        if (violations.empty()) {
            if (listed) {
                ++nowPassing;
                std::printf("seed %llu is on the known-open list and passes now: take it off\n",
                            static_cast<unsigned long long>(seed));
            }
            continue;
        }
        if (listed) {
            ++stillOpen;
            std::printf("known open: seed %llu: %s\n", static_cast<unsigned long long>(seed),
                        Kind(violations.front()).c_str());
            continue;
        }
        ++failed;
        if (!survey) {
            std::printf("FAILED: seed %llu (schedule %llu of this run)\n",
                        static_cast<unsigned long long>(seed),
                        static_cast<unsigned long long>(run));
            for (const Violation& v : violations)
                std::printf("  %s: %s\n", Kind(v).c_str(), v.text.c_str());
            std::printf("replay with its trace: %s --replay %llu\n", self.c_str(),
                        static_cast<unsigned long long>(seed));
            std::printf("%llu schedules in %.1f s (%.0f per second)\n",
                        static_cast<unsigned long long>(run), elapsed(), run / elapsed());
            return 1;
        }
        std::map<std::string, bool> seen;
        for (const Violation& v : violations) {
            const std::string kind = Kind(v);
            if (seen[kind])
                continue;
            seen[kind] = true;
            Found& f = found[kind];
            if (f.count++ == 0) {
                f.seed = seed;
                f.after = run;
                f.example = v.text;
            }
        }
    }
    const double wall = elapsed();
    std::printf("%llu schedules from seed %llu in %.1f s (%.0f per second), %llu failed, %llu "
                "known open\n",
                static_cast<unsigned long long>(run), static_cast<unsigned long long>(first), wall,
                run / wall, static_cast<unsigned long long>(failed),
                static_cast<unsigned long long>(stillOpen));
    for (const auto& [kind, f] : found)
        std::printf(
            "  %-45s first seed %llu after %llu schedules, %llu schedules in all\n    e.g. %s\n",
            kind.c_str(), static_cast<unsigned long long>(f.seed),
            static_cast<unsigned long long>(f.after), static_cast<unsigned long long>(f.count),
            f.example.c_str());
    return failed == 0 && nowPassing == 0 ? 0 : 1;
}
