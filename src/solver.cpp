// solver.cpp: the arithmetic of the quadratic solver.
//
// Every expression is evaluated with a 64-bit significand (the x87
// extended format) and rounded to double once, when its value is stored.
// The x87 precision control decides how many significand bits the FPU
// keeps, and a DLL loaded into the process may have lowered it, so the
// solver sets it for the length of each call and restores it afterwards.
// That makes the stored doubles the same on every build we ship.

#include "solver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#if !defined(__i386__) && !defined(__x86_64__)
#error "solver.cpp needs the x87 extended format; this target has none, so its results would differ"
#endif
#if !defined(__GNUC__)
#error "solver.cpp controls the x87 with GNU inline assembly; build it with GCC or Clang"
#endif
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 extended format with a 64-bit significand");
static_assert(std::numeric_limits<long double>::round_style == std::round_to_nearest);

namespace {

using Extended = long double;

// Sets the x87 control word to extended precision, round to nearest and
// every exception masked for its lifetime, then restores the caller's.
class ExtendedPrecisionScope {
  public:
    ExtendedPrecisionScope()
    {
        asm volatile("fnstcw %0" : "=m"(saved_));
        const std::uint16_t extended = kExtendedNearestMasked;
        asm volatile("fldcw %0" : : "m"(extended));
    }
    ~ExtendedPrecisionScope() { asm volatile("fldcw %0" : : "m"(saved_)); }
    ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
    ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

  private:
    // Precision control 11 (64 bits), rounding control 00 (nearest), all
    // six exception masks set: the FPU's reset state.
    static constexpr std::uint16_t kExtendedNearestMasked = 0x037F;
    std::uint16_t saved_ = 0;
};

// Rounds an extended value to double. The volatile store makes the
// compiler write the value to memory even where it would otherwise keep
// the wider register (i686 code without SSE).
double Store(Extended value)
{
    volatile auto stored = static_cast<double>(value);
    return stored;
}

void Format(SolverText& text, const char* format, unsigned precision, double value)
{
    std::snprintf(text.data(), text.size(), format, static_cast<int>(precision), value);
}

void FormatComplex(SolverText& text, const char* format, unsigned precision, double re, double im)
{
    const int p = static_cast<int>(precision);
    std::snprintf(text.data(), text.size(), format, p, re, p, im);
}

void CopyText(SolverText& text, const char* source)
{
    std::snprintf(text.data(), text.size(), "%s", source);
}

// The two real roots. The root whose numerator adds two magnitudes of the
// same sign is taken from the textbook formula; the other one from the
// product of the roots, C / q, which avoids the cancellation that would
// otherwise lose most of its digits when |b| is large.
void RealRoots(double A, double B, double C, double s, double& x0, double& x1)
{
    const Extended a = A;
    const Extended b = B;
    const Extended c = C;
    const Extended twoA = a + a;
    const Extended positiveZero = 0.0L;

    if (B > 0) {
        const Extended numerator = -b - s;
        x0 = Store(numerator / twoA);
        x1 = (C != 0) ? Store(c / (numerator / 2)) : Store(positiveZero / twoA);
    } else if (B < 0) {
        const Extended numerator = s - b;
        x1 = Store(numerator / twoA);
        x0 = (C != 0) ? Store(c / (numerator / 2)) : Store(positiveZero / twoA);
    } else {
        x0 = Store((-b - s) / twoA);
        x1 = Store((s - b) / twoA);
    }
}

}  // namespace

SolveResult SolveQuadratic(std::int32_t a, std::int32_t b, std::int32_t c, unsigned precision)
{
    const ExtendedPrecisionScope fpu;
    const unsigned p = std::clamp(precision, kMinPrecision, kMaxPrecision);

    SolveResult result;
    QuadraticData& data = result.data;
    data.a = a;
    data.b = b;
    data.c = c;

    const double A = a;
    const double B = b;
    const double C = c;
    // Both products are exact with a 64-bit significand; so is their
    // difference while it stays below 2^64.
    double delta = Store(Extended{B} * B - 4.0L * A * C);

    if (A != 0) {
        data.rootCount = 2;
        const bool negative = delta < 0;
        data.complexRoots = negative;
        if (negative) {
            delta = -delta;
        }
        const double s = Store(std::sqrt(Extended{delta}));
        if (!negative) {
            RealRoots(A, B, C, s, data.x0, data.x1);
            Format(result.x0Text, "%#.*g", p, data.x0);
            Format(result.x1Text, "%#.*g", p, data.x1);
        } else {
            // The imaginary part carries the sign of a.
            const double re = Store(Extended{B} * -0.5L / A);
            const double im = Store(Extended{s} * 0.5L / A);
            FormatComplex(result.x0Text, "%#.*g + %#.*gi", p, re, im);
            FormatComplex(result.x1Text, "%#.*g - %#.*gi", p, re, im);
        }
    } else if (B != 0) {
        data.rootCount = 1;
        const double x = Store(-Extended{C} / B);
        // No '#' here: a linear root drops its trailing zeros.
        Format(result.x0Text, "%.*g", p, x);
        CopyText(result.x1Text, "nie istnieje");
    } else if (C != 0) {
        data.rootCount = 0;
        CopyText(result.x0Text, "Równanie nie ma rozwiązań!");
    } else {
        data.rootCount = 3;
        CopyText(result.x0Text, "Każda liczba spełnia to równanie");
    }
    return result;
}
