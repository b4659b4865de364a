// The program's own cost of a full pass that moves windows: the taskbar
// check, the identity of every plausible window (with its process snapshot)
// and the eligibility rules, with 1 % of the windows above the watch line.
// "/S" leaves out the 100 ms flash per moved window. The second argument is
// the number of processes, to show the windows x processes term of the
// per-window snapshot; 0 stands for a missing snapshot (no process walk).
#include <benchmark/benchmark.h>

#include "bench_desktop.h"

namespace vm {
namespace {

void BM_FullPassWithCandidates(benchmark::State& st) {
    BenchDesktop scene({.windows = static_cast<int>(st.range(0)),
                        .processes = static_cast<int>(st.range(1)),
                        .candidateEvery = 100},
                       {"/Q", "/S"});
    for (auto _ : st)
        scene.Form().RunFullPass();
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(BM_FullPassWithCandidates)
    ->ArgNames({"windows", "processes"})
    ->ArgsProduct({{500, 5000}, {0, 20, 200}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vm
