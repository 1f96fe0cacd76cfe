// solver_reference_test.cpp (native only): the solver against the
// independent MPFR model, over more than a million triples at every
// precision, and the accuracy of every real root against 256-bit roots.

#include "solver.h"

#include "case_sets.h"
#include "reference_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <string_view>

namespace {

std::string Describe(const cases::Case& k)
{
    return "a=" + std::to_string(k.a) + " b=" + std::to_string(k.b) + " c=" + std::to_string(k.c) +
           " p=" + std::to_string(k.p);
}

// The edge lattice at all fifteen precisions and 170,000 triples of each
// random family: 1,052,955 triples in all.
std::vector<cases::Case> DifferentialCases()
{
    std::vector<cases::Case> all;
    for (unsigned p = kMinPrecision; p <= kMaxPrecision; ++p) {
        const auto lattice = cases::EdgeLattice(p);
        all.insert(all.end(), lattice.begin(), lattice.end());
    }
    const auto random = cases::RandomCases(170000, 2024);
    all.insert(all.end(), random.begin(), random.end());
    return all;
}

TEST(SolverReference, AgreesWithMpfrModelBitForBit)
{
    const auto all = DifferentialCases();
    ASSERT_GE(all.size(), 1000000u);
    int failures = 0;
    for (const auto& k : all) {
        const SolveResult got = SolveQuadratic(k.a, k.b, k.c, k.p);
        const reference::Result want = reference::Solve(k.a, k.b, k.c, k.p);
        const bool same =
            got.data.a == k.a && got.data.b == k.b && got.data.c == k.c &&
            got.data.rootCount == want.rootCount && got.data.complexRoots == want.complexRoots &&
            std::bit_cast<std::uint64_t>(got.data.x0) == std::bit_cast<std::uint64_t>(want.x0) &&
            std::bit_cast<std::uint64_t>(got.data.x1) == std::bit_cast<std::uint64_t>(want.x1) &&
            std::string_view(got.x0Text.data()) == want.x0Text &&
            std::string_view(got.x1Text.data()) == want.x1Text;
        if (!same) {
            ADD_FAILURE() << Describe(k) << ": solver x0=" << got.data.x0 << " x1=" << got.data.x1 << " '"
                          << got.x0Text.data() << "' '" << got.x1Text.data() << "'; model x0=" << want.x0
                          << " x1=" << want.x1 << " '" << want.x0Text << "' '" << want.x1Text << "'";
            if (++failures == 20)
                FAIL() << "stopping after 20 differences";
        }
    }
}

// Triples whose textbook formula cancels the smaller root away.
constexpr cases::Case kCancellation[] = {
    {1, 2147483647, 1, 6},          {1, -2147483647 - 1, 1, 6},
    {1, 2147483647, -1, 6},         {-1, 2147483647, 1, 6},
    {2147483647, 2147483647, 1, 6}, {1, 46341, 1, 6},
    {3, -2000000000, 7, 6},         {1, 100000, 1, 6},
};

// The error budget of a root, relative to the root: the discriminant is
// stored as a double (half an ulp of it, a quarter after the square root),
// the square root is rounded to double (half an ulp), and the root itself
// once more (half an ulp). That is at most 2 ulp; the cancelling formula
// is avoided, so nothing larger arises. About one root in 40,000 lies
// beyond 1.5 ulp, most of them from the textbook formula itself.
constexpr double kUlpBound = 2.0;

TEST(SolverReference, RealRootsWithinTwoUlp)
{
    auto all = DifferentialCases();
    all.insert(all.begin(), std::begin(kCancellation), std::end(kCancellation));
    double worst = 0.0;
    long roots = 0, beyondOneAndAHalf = 0;
    for (const auto& k : all) {
        const SolveResult r = SolveQuadratic(k.a, k.b, k.c, k.p);
        if (r.data.rootCount != 2 || r.data.complexRoots)
            continue;
        for (int root = 0; root < 2; ++root) {
            const double x = root == 0 ? r.data.x0 : r.data.x1;
            const double ulps = reference::UlpError(k.a, k.b, k.c, root, x);
            worst = std::max(worst, ulps);
            ++roots;
            beyondOneAndAHalf += ulps > 1.5;
            ASSERT_LE(ulps, kUlpBound) << Describe(k) << " root " << root << " = " << x;
        }
    }
    std::printf("%ld real roots, worst error %.3f ulp, %ld beyond 1.5 ulp\n", roots, worst,
                beyondOneAndAHalf);
}

TEST(SolverReference, CommittedReferenceCasesAreTheModelsValues)
{
    // make_reference_cases wrote tests/data/reference_cases.inc from this
    // model; the Windows builds compare against it. Check it is current.
    struct Row {
        std::int32_t a, b, c;
        unsigned p;
        std::int32_t rootCount;
        bool complexRoots;
        std::uint64_t x0, x1;
        const char* x0Text;
        const char* x1Text;
    };
    static constexpr Row kRows[] = {
#include "data/reference_cases.inc"
    };
    for (const Row& row : kRows) {
        const reference::Result want = reference::Solve(row.a, row.b, row.c, row.p);
        const std::string where = Describe({row.a, row.b, row.c, row.p});
        ASSERT_EQ(row.rootCount, want.rootCount) << where;
        ASSERT_EQ(row.complexRoots, want.complexRoots) << where;
        ASSERT_EQ(row.x0, std::bit_cast<std::uint64_t>(want.x0)) << where;
        ASSERT_EQ(row.x1, std::bit_cast<std::uint64_t>(want.x1)) << where;
        ASSERT_EQ(std::string_view(row.x0Text), want.x0Text) << where;
        ASSERT_EQ(std::string_view(row.x1Text), want.x1Text) << where;
    }
}

}  // namespace
