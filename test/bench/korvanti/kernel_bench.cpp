// Cost of one pass (loop unit for Whetstone) of every benchmark kernel,
// measured through the test operations themselves: the "per_pass" counter is
// the time of one pass including the operation's own stamps and set-up
// spread over the passes of a call.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "dhrystone.h"
#include "eight_queens.h"
#include "floating_point_unit.h"
#include "matrix_operations.h"
#include "memory_throughput.h"
#include "number_crunching.h"
#include "whetstone.h"
#include "whetstone_reference.h"

// Where the published Whetstone program prints each module's results: out of
// the optimiser's sight, so that the reference keeps its modules' work.
extern "C" void POUT(int N, int J, int K, double X1, double X2, double X3, double X4) {
    benchmark::DoNotOptimize(N);
    benchmark::DoNotOptimize(J);
    benchmark::DoNotOptimize(K);
    benchmark::DoNotOptimize(X1);
    benchmark::DoNotOptimize(X2);
    benchmark::DoNotOptimize(X3);
    benchmark::DoNotOptimize(X4);
}

namespace {

void RunKernel(benchmark::State& state, uint32_t (*run)(int32_t)) {
    const auto passes = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(run(passes));
    }
    state.counters["per_pass"] = benchmark::Counter(static_cast<double>(passes),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void Dhrystone(benchmark::State& state) { RunKernel(state, korvanti::RunDhrystone); }
void Whetstone(benchmark::State& state) { RunKernel(state, korvanti::RunWhetstone); }
// The published C translation of the Whetstone loop, built with the same
// compiler and flags: RunWhetstone's time per unit should stay within 5% of it.
void WhetstoneReference(benchmark::State& state) {
    RunKernel(state, [](int32_t loops) -> uint32_t {
        ReferenceWhetstone(loops);
        return static_cast<uint32_t>(reference_whetstone_j);
    });
}
void EightQueens(benchmark::State& state) { RunKernel(state, korvanti::RunEightQueens); }
void MatrixOperations(benchmark::State& state) { RunKernel(state, korvanti::RunMatrixOperations); }
void NumberCrunching(benchmark::State& state) { RunKernel(state, korvanti::RunNumberCrunching); }
void FloatingPointUnit(benchmark::State& state) { RunKernel(state, korvanti::RunFloatingPointUnit); }
void MemoryThroughput(benchmark::State& state) { RunKernel(state, korvanti::RunMemoryThroughput); }

}  // namespace

BENCHMARK(Dhrystone)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Whetstone)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(WhetstoneReference)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(EightQueens)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(MatrixOperations)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(NumberCrunching)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FloatingPointUnit)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryThroughput)->Arg(1)->Unit(benchmark::kMillisecond);
