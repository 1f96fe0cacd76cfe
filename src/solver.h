// solver.h: the quadratic solver. Classifies a*x^2 + b*x + c = 0 for
// integer coefficients, computes its roots and formats the two texts shown
// in the calculator's result fields. Portable C++, no platform calls.

#pragma once

#include <array>
#include <cstdint>

// The result record: filled by the solver, sent by the calculator dialog
// with UM_SET_DATA and copied whole by the main window.
struct QuadraticData {
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int32_t c = 0;
    // 0: no solution, 1: one root (linear), 2: two roots, real or complex,
    // 3: every number is a solution.
    std::int32_t rootCount = 0;
    bool complexRoots = false;
    // Set only for two real roots; 0.0 otherwise.
    double x0 = 0.0;
    double x1 = 0.0;
};

// Room for 499 characters and the terminating NUL; no input needs more
// than about 50. The texts are UTF-8.
inline constexpr std::size_t kSolverTextSize = 500;
using SolverText = std::array<char, kSolverTextSize>;

struct SolveResult {
    QuadraticData data;
    SolverText x0Text{};  // for the "x_0 = " field
    SolverText x1Text{};  // for the "x_1 = " field
};

// Significant digits of the result texts.
inline constexpr unsigned kMinPrecision = 1;
inline constexpr unsigned kMaxPrecision = 15;
inline constexpr unsigned kDefaultPrecision = 6;

// Pure: no state, no failure. A precision outside 1..15 is clamped.
SolveResult SolveQuadratic(std::int32_t a, std::int32_t b, std::int32_t c, unsigned precision);
