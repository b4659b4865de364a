// The cost of the watch cycle itself: an idle tick (counting enumeration and
// the change checks) and a full pass with the identity of every window, on
// desktops of 50, 500 and 5000 windows owned by 200 processes.
#include <benchmark/benchmark.h>

#include "bench_desktop.h"

namespace vm {
namespace {

void BM_IdleTick(benchmark::State& st) {
    // Resident and silent: ticks run, nothing is announced.
    BenchDesktop scene({.windows = static_cast<int>(st.range(0))}, {"-", "/S"});
    scene.Form().TimerTimer();
    for (auto _ : st)
        scene.Form().TimerTimer();
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(BM_IdleTick)->Arg(50)->Arg(500)->Arg(5000);

void BM_FullPassWithIdentities(benchmark::State& st) {
    BenchDesktop scene({.windows = static_cast<int>(st.range(0))}, {"/Q", "/S"});
    for (auto _ : st)
        scene.Form().RunFullPass();
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(BM_FullPassWithIdentities)->Arg(50)->Arg(500)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vm
