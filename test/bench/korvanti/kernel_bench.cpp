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
void EightQueens(benchmark::State& state) { RunKernel(state, korvanti::RunEightQueens); }
void MatrixOperations(benchmark::State& state) { RunKernel(state, korvanti::RunMatrixOperations); }
void NumberCrunching(benchmark::State& state) { RunKernel(state, korvanti::RunNumberCrunching); }
void FloatingPointUnit(benchmark::State& state) { RunKernel(state, korvanti::RunFloatingPointUnit); }
void MemoryThroughput(benchmark::State& state) { RunKernel(state, korvanti::RunMemoryThroughput); }

}  // namespace

BENCHMARK(Dhrystone)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Whetstone)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(EightQueens)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(MatrixOperations)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(NumberCrunching)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FloatingPointUnit)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryThroughput)->Arg(1)->Unit(benchmark::kMillisecond);
