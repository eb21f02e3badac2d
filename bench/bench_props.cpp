// The four property computations, one row per iteration.
#include "props/Angular.h"
#include "props/ILamInc.h"
#include "props/ILamPar.h"
#include "props/ULam.h"

#include <benchmark/benchmark.h>

static void BM_PropILamPar(benchmark::State &state)
{
    ILamParDims d{200, 200, 9, 15, 18};
    for (auto _ : state) {
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(PropILamPar(d));
    }
}
BENCHMARK(BM_PropILamPar);

static void BM_PropILamInc(benchmark::State &state)
{
    ILamIncStored r{200, 90, 33.4, 2140, 117, 250, 0, 0.709, 61};
    for (auto _ : state) {
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(PropILamInc(r));
    }
}
BENCHMARK(BM_PropILamInc);

static void BM_PropULam(benchmark::State &state)
{
    ULamStored r{200, 75, 32.2, 1910, 148, 228, 0, 2.01, 0.661, 52};
    for (auto _ : state) {
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(PropULam(r));
    }
}
BENCHMARK(BM_PropULam);

static void BM_PropAngular(benchmark::State &state)
{
    AngularDims d{100, 10, 12, 6};
    for (auto _ : state) {
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(PropAngular(d));
    }
}
BENCHMARK(BM_PropAngular);

BENCHMARK_MAIN();
