// solver_test.cpp: the solver's behaviour on every build (native, and the
// Windows builds under Wine): the table of kinds of equation, the
// cancellation cases, clamping, floating-point exceptions, independence
// of the x87 precision control, and the committed reference values.

#include "solver.h"

#include "case_sets.h"
#include "x87.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

namespace {

std::string_view Text(const SolverText& t)
{
    return {t.data()};
}
std::uint64_t Bits(double d)
{
    return std::bit_cast<std::uint64_t>(d);
}

std::string Describe(std::int32_t a, std::int32_t b, std::int32_t c, unsigned p)
{
    return "a=" + std::to_string(a) + " b=" + std::to_string(b) + " c=" + std::to_string(c) +
           " p=" + std::to_string(p);
}

struct TableRow {
    std::int32_t a, b, c;
    unsigned p;
    std::int32_t rootCount;
    bool complexRoots;
    double x0, x1;  // the record's doubles, signed zeros included; kIrrational: not pinned here

    std::string_view x0Text, x1Text;
};

// Irrational roots are checked bit for bit by the reference tests.
constexpr double kIrrational = std::numeric_limits<double>::quiet_NaN();

// Every build formats with a C99 printf (glibc natively, MinGW's own
// stdio on Windows), which writes two exponent digits: e-06, not e-006.
constexpr TableRow kTable[] = {
    {1, -3, 2, 6, 2, false, 1.0, 2.0, "1.00000", "2.00000"},
    {1, 2, 1, 6, 2, false, -1.0, -1.0, "-1.00000", "-1.00000"},
    {1, 0, 0, 6, 2, false, -0.0, 0.0, "-0.00000", "0.00000"},
    {2, 3, -2, 6, 2, false, -2.0, 0.5, "-2.00000", "0.500000"},
    {1, -1, -1, 6, 2, false, kIrrational, kIrrational, "-0.618034", "1.61803"},
    {1, 1, 1, 6, 2, true, 0.0, 0.0, "-0.500000 + 0.866025i", "-0.500000 - 0.866025i"},
    {1, 0, 1, 6, 2, true, 0.0, 0.0, "-0.00000 + 1.00000i", "-0.00000 - 1.00000i"},
    {-1, 0, -1, 6, 2, true, 0.0, 0.0, "0.00000 + -1.00000i", "0.00000 - -1.00000i"},
    {1, -3, 2, 1, 2, false, 1.0, 2.0, "1.", "2."},
    {0, 2, -4, 6, 1, false, 0.0, 0.0, "2", "nie istnieje"},
    {0, 3, 1, 6, 1, false, 0.0, 0.0, "-0.333333", "nie istnieje"},
    {0, 3, -1, 15, 1, false, 0.0, 0.0, "0.333333333333333", "nie istnieje"},
    {0, 0, 5, 6, 0, false, 0.0, 0.0, "Równanie nie ma rozwiązań!", ""},
    {0, 0, 0, 6, 3, false, 0.0, 0.0, "Każda liczba spełnia to równanie", ""},
    {1000000, 1, 0, 6, 2, false, -1e-06, 0.0, "-1.00000e-06", "0.00000"},
    // a < 0: x0 is the larger root; with c = 0 the other root is +0 / 2a.
    {-1, 3, 0, 6, 2, false, 3.0, -0.0, "3.00000", "-0.00000"},
    {-1, -3, -2, 6, 2, false, -1.0, -2.0, "-1.00000", "-2.00000"},
    // The discriminant of a = c = 2^31 - 1, b = -2^31 is negative, formed exactly.
    {INT_MAX, INT_MIN, INT_MAX, 6, 2, true, 0.0, 0.0, "0.500000 + 0.866025i", "0.500000 - 0.866025i"},
    // Cancellation: the textbook formula gives 0.00000 for the small root.
    {1, INT_MAX, 1, 6, 2, false, -2147483647.0, -4.656612875245797e-10, "-2.14748e+09", "-4.65661e-10"},
    {1, INT_MIN, 1, 15, 2, false, 4.656612873077393e-10, 2147483648.0, "4.65661287307739e-10",
     "2147483648.00000"},
    {INT_MAX, INT_MAX, 1, 6, 2, false, -0.9999999995343387, -4.656612877414201e-10, "-1.00000",
     "-4.65661e-10"},
};

TEST(SolveQuadratic, Table)
{
    for (const TableRow& row : kTable) {
        SCOPED_TRACE(Describe(row.a, row.b, row.c, row.p));
        const SolveResult r = SolveQuadratic(row.a, row.b, row.c, row.p);
        EXPECT_EQ(r.data.a, row.a);
        EXPECT_EQ(r.data.b, row.b);
        EXPECT_EQ(r.data.c, row.c);
        EXPECT_EQ(r.data.rootCount, row.rootCount);
        EXPECT_EQ(r.data.complexRoots, row.complexRoots);
        if (!std::isnan(row.x0)) {
            EXPECT_EQ(Bits(r.data.x0), Bits(row.x0)) << r.data.x0;
        }
        if (!std::isnan(row.x1)) {
            EXPECT_EQ(Bits(r.data.x1), Bits(row.x1)) << r.data.x1;
        }
        EXPECT_EQ(Text(r.x0Text), row.x0Text);
        EXPECT_EQ(Text(r.x1Text), row.x1Text);
    }
}

TEST(SolveQuadratic, PrecisionOutsideRangeIsClamped)
{
    struct Clamp {
        unsigned given, used;
    };
    for (const Clamp k : {Clamp{0, 1}, Clamp{16, 15}, Clamp{1000, 15}, Clamp{UINT_MAX, 15}}) {
        SCOPED_TRACE(k.given);
        for (const auto [a, b, c] : {std::array{1, -1, -1}, std::array{1, 1, 1}, std::array{0, 3, 1}}) {
            const SolveResult clamped = SolveQuadratic(a, b, c, k.given);
            const SolveResult expected = SolveQuadratic(a, b, c, k.used);
            EXPECT_EQ(Text(clamped.x0Text), Text(expected.x0Text));
            EXPECT_EQ(Text(clamped.x1Text), Text(expected.x1Text));
        }
    }
}

std::vector<cases::Case> EdgeAndRandomCases()
{
    std::vector<cases::Case> all = cases::EdgeLattice(15);
    const auto random = cases::RandomCases(2000, 7);
    all.insert(all.end(), random.begin(), random.end());
    return all;
}

TEST(SolveQuadratic, RaisesNoFloatingPointException)
{
    const auto all = EdgeAndRandomCases();
    std::feclearexcept(FE_ALL_EXCEPT);
    for (const auto& k : all) {
        SolveQuadratic(k.a, k.b, k.c, k.p);
        const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
        ASSERT_EQ(raised, 0) << Describe(k.a, k.b, k.c, k.p);
    }
}

TEST(SolveQuadratic, IgnoresTheCallersX87PrecisionControl)
{
    const auto all = EdgeAndRandomCases();
    std::vector<SolveResult> expected;
    expected.reserve(all.size());
    for (const auto& k : all)
        expected.push_back(SolveQuadratic(k.a, k.b, k.c, k.p));

    for (const x87::Precision precision : {x87::Precision::Double, x87::Precision::Single}) {
        SCOPED_TRACE(precision == x87::Precision::Double ? "53 bits" : "24 bits");
        const std::uint16_t original = x87::ControlWord();
        const std::uint16_t lowered = x87::WithPrecision(original, precision);
        x87::SetControlWord(lowered);
        // The FPU really rounds to the lowered precision now.
        volatile long double one = 1.0L;
        volatile long double tiny = 0x1p-60L;
        const bool roundsShort = (one + tiny == one);
        std::vector<SolveResult> got;
        got.reserve(all.size());
        for (const auto& k : all)
            got.push_back(SolveQuadratic(k.a, k.b, k.c, k.p));
        const std::uint16_t after = x87::ControlWord();
        x87::SetControlWord(original);

        EXPECT_TRUE(roundsShort);
        EXPECT_EQ(after, lowered);
        for (std::size_t i = 0; i < all.size(); ++i) {
            const auto& k = all[i];
            ASSERT_EQ(Bits(got[i].data.x0), Bits(expected[i].data.x0)) << Describe(k.a, k.b, k.c, k.p);
            ASSERT_EQ(Bits(got[i].data.x1), Bits(expected[i].data.x1)) << Describe(k.a, k.b, k.c, k.p);
            ASSERT_EQ(Text(got[i].x0Text), Text(expected[i].x0Text)) << Describe(k.a, k.b, k.c, k.p);
            ASSERT_EQ(Text(got[i].x1Text), Text(expected[i].x1Text)) << Describe(k.a, k.b, k.c, k.p);
        }
    }
}

// Values made by the native MPFR reference model (make_reference_cases).
struct ReferenceRow {
    std::int32_t a, b, c;
    unsigned p;
    std::int32_t rootCount;
    bool complexRoots;
    std::uint64_t x0, x1;
    const char* x0Text;
    const char* x1Text;
};
constexpr ReferenceRow kReference[] = {
#include "data/reference_cases.inc"
};

TEST(SolveQuadratic, MatchesCommittedReferenceBitForBit)
{
    for (const ReferenceRow& row : kReference) {
        const SolveResult r = SolveQuadratic(row.a, row.b, row.c, row.p);
        const std::string where = Describe(row.a, row.b, row.c, row.p);
        ASSERT_EQ(r.data.rootCount, row.rootCount) << where;
        ASSERT_EQ(r.data.complexRoots, row.complexRoots) << where;
        ASSERT_EQ(Bits(r.data.x0), row.x0) << where;
        ASSERT_EQ(Bits(r.data.x1), row.x1) << where;
        ASSERT_EQ(Text(r.x0Text), row.x0Text) << where;
        ASSERT_EQ(Text(r.x1Text), row.x1Text) << where;
    }
}

}  // namespace
