// velmora_soak: one resident Velmora on the simulated desktop for a long
// stretch of virtual time, the desktop changing at random from one seed,
// every invariant checked after every step of 250 ms.
//
//   velmora_soak [--seed N] [--steps N | --hours H] [--rate realistic|hostile|mixed]
//
// A simulated day is 345600 steps (the default). Mixed alternates a quarter
// of an hour at the realistic rate with a quarter at the hostile one. On a
// failure it prints the seed and the step, to replay the run exactly.
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "soak/soak_checks.h"
#include "soak/soak_scene.h"

namespace {

using vm::soak::Rate;

constexpr std::uint64_t kStepMs = 250;
constexpr std::uint64_t kStepsPerHour = std::uint64_t{3600} * 1000 / kStepMs;
constexpr std::uint64_t kPhaseSteps = kStepsPerHour / 4;

struct Arguments {
    std::uint64_t seed = 0;
    std::uint64_t steps = 24 * kStepsPerHour;
    std::string rate = "mixed";
};

bool Parse(int argc, char** argv, Arguments& out) {
    out.seed = std::random_device{}();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return false;
        const std::string value = argv[++i];
        if (arg == "--seed")
            out.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--steps")
            out.steps = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--hours")
            out.steps = static_cast<std::uint64_t>(std::strtod(value.c_str(), nullptr) *
                                                   static_cast<double>(kStepsPerHour));
        else if (arg == "--rate" &&
                 (value == "realistic" || value == "hostile" || value == "mixed"))
            out.rate = value;
        else
            return false;
    }
    return true;
}

Rate RateAt(const Arguments& args, std::uint64_t step) {
    if (args.rate == "realistic")
        return Rate::Realistic;
    if (args.rate == "hostile")
        return Rate::Hostile;
    return (step / kPhaseSteps) % 2 == 0 ? Rate::Realistic : Rate::Hostile;
}

void PrintSummary(const Arguments& args, const vm::soak::SoakScene& scene,
                  const vm::soak::SoakChecks& checks, std::uint64_t steps, double wallSeconds) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("seed %llu, rate %s\n", static_cast<unsigned long long>(args.seed),
                args.rate.c_str());
    std::printf("steps %llu (%.2f simulated hours), wall %.1f s, peak memory %ld MB\n",
                static_cast<unsigned long long>(steps),
                static_cast<double>(steps) / static_cast<double>(kStepsPerHour), wallSeconds,
                usage.ru_maxrss / 1024);
    std::printf("program: %llu ticks, %llu full passes, %llu moves, %llu restores\n",
                static_cast<unsigned long long>(checks.ticks),
                static_cast<unsigned long long>(checks.passes),
                static_cast<unsigned long long>(checks.moves),
                static_cast<unsigned long long>(checks.restores));
    std::printf("program restarts (display changes): %llu; at most %zu icons held\n",
                static_cast<unsigned long long>(scene.restarts), checks.peakIcons);
    std::printf("desktop: %llu events, %llu windows created, %llu destroyed, %llu processes "
                "ended, at most %zu windows; at most %zu entries in the log of moved windows\n",
                static_cast<unsigned long long>(scene.events),
                static_cast<unsigned long long>(scene.windowsCreated),
                static_cast<unsigned long long>(scene.windowsDestroyed),
                static_cast<unsigned long long>(scene.processesEnded), checks.peakWindows,
                checks.peakLogEntries);
    for (const vm::soak::Invariant& invariant : checks.Invariants())
        std::printf("  %10llu x %s\n", static_cast<unsigned long long>(invariant.checks),
                    invariant.name);
}

int Fail(const Arguments& args, const vm::soak::SoakScene& scene, std::uint64_t step,
         const std::string& what) {
    std::printf("SOAK FAILURE at step %llu (virtual time %llu ms): %s\n",
                static_cast<unsigned long long>(step),
                static_cast<unsigned long long>(scene.desk.scheduler().now()), what.c_str());
    std::printf("last events of the desktop:\n");
    for (const std::string& event : scene.Recent())
        std::printf("  %s\n", event.c_str());
    std::printf("replay: velmora_soak --seed %llu --steps %llu --rate %s\n",
                static_cast<unsigned long long>(args.seed),
                static_cast<unsigned long long>(step) + 1, args.rate.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!Parse(argc, argv, args)) {
        std::fprintf(stderr, "usage: velmora_soak [--seed N] [--steps N | --hours H] "
                             "[--rate realistic|hostile|mixed]\n");
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    vm::soak::SoakScene scene(args.seed);
    if (!scene.Start()) {
        std::printf("Velmora did not start\n");
        return 1;
    }
    vm::soak::SoakChecks checks(scene);
    checks.Begin();
    std::uint64_t step = 0;
    for (; step < args.steps; ++step) {
        scene.BeginStep();
        scene.Churn(RateAt(args, step));
        checks.Snapshot();
        scene.desk.scheduler().advance(kStepMs);
        std::string failure = checks.Check();
        if (failure.empty() && scene.program->Controller()->Closed()) {
            if (scene.Restart())
                checks.AfterRestart();
            else
                failure = "the restarted program did not start";
        }
        if (!failure.empty())
            return Fail(args, scene, step, failure);
        if ((step + 1) % kStepsPerHour == 0) {
            // A long run shows how far it got.
            std::printf(
                "hour %llu: %llu passes, %llu moves, wall %.0f s\n",
                static_cast<unsigned long long>((step + 1) / kStepsPerHour),
                static_cast<unsigned long long>(checks.passes),
                static_cast<unsigned long long>(checks.moves),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
            std::fflush(stdout);
        }
    }
    scene.ExitProgram();
    scene.desk.scheduler().advance(kStepMs);
    std::string failure = scene.program->Controller()->Closed()
                              ? checks.CheckFinalSave(scene.program->Controller()->Controls())
                              : std::string("the exit item did not end the program");
    if (!failure.empty())
        return Fail(args, scene, step, failure);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    PrintSummary(args, scene, checks, step, wall);
    std::printf("all invariants held\n");
    return 0;
}
