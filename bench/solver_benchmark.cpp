// solver_benchmark: nanoseconds per SolveQuadratic call over a fixed mix
// of inputs, beside the bare snprintf calls that format the same two
// numbers at the same precision. The ratio of the two is what matters:
// the arithmetic should cost little next to the formatting.

#include "solver.h"

#include "case_sets.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Input {
    cases::Case k;
    double x0, x1;  // the two numbers the solver formats: roots, or re and im
    bool complexRoots;
};

const std::vector<Input>& Mix()
{
    static const std::vector<Input> mix = [] {
        std::vector<Input> out;
        // Genuine trinomials only, so that both sides format two numbers.
        for (const auto& k : cases::RandomCases(1000, 3)) {
            if (k.a == 0)
                continue;
            const SolveResult r = SolveQuadratic(k.a, k.b, k.c, k.p);
            Input in{k, r.data.x0, r.data.x1, r.data.complexRoots};
            if (in.complexRoots) {
                // The real and imaginary parts, near enough for timing.
                const double A = k.a, B = k.b, C = k.c;
                in.x0 = -0.5 * B / A;
                in.x1 = 0.5 * std::sqrt(4.0 * A * C - B * B) / A;
            }
            out.push_back(in);
        }
        return out;
    }();
    return mix;
}

void BM_SolveQuadratic(benchmark::State& state)
{
    const auto& mix = Mix();
    std::size_t i = 0;
    for (auto _ : state) {
        const Input& in = mix[i++ % mix.size()];
        SolveResult r = SolveQuadratic(in.k.a, in.k.b, in.k.c, in.k.p);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_SolveQuadratic);

void BM_BareFormatting(benchmark::State& state)
{
    const auto& mix = Mix();
    std::size_t i = 0;
    char x0[kSolverTextSize];
    char x1[kSolverTextSize];
    for (auto _ : state) {
        const Input& in = mix[i++ % mix.size()];
        const int p = static_cast<int>(in.k.p);
        if (in.complexRoots) {
            std::snprintf(x0, sizeof x0, "%#.*g + %#.*gi", p, in.x0, p, in.x1);
            std::snprintf(x1, sizeof x1, "%#.*g - %#.*gi", p, in.x0, p, in.x1);
        } else {
            std::snprintf(x0, sizeof x0, "%#.*g", p, in.x0);
            std::snprintf(x1, sizeof x1, "%#.*g", p, in.x1);
        }
        benchmark::DoNotOptimize(x0);
        benchmark::DoNotOptimize(x1);
    }
}
BENCHMARK(BM_BareFormatting);

}  // namespace

BENCHMARK_MAIN();
