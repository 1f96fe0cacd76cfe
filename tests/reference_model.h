// reference_model.h: an independent model of the solver's arithmetic,
// written with GNU MPFR. It shares no code with the solver: every
// operation runs at a 64-bit significand, round to nearest, and each
// stored value is rounded to double once. The texts are formatted by
// MPFR's own printf.

#pragma once

#include <cstdint>
#include <string>

namespace reference {

struct Result {
    int rootCount = 0;
    bool complexRoots = false;
    double x0 = 0.0;
    double x1 = 0.0;
    std::string x0Text;
    std::string x1Text;
};

Result Solve(std::int32_t a, std::int32_t b, std::int32_t c, unsigned p);

// The distance of `computed` from the exact root of a x^2 + b x + c
// (computed at 256 bits), in units in the last place of the exact root.
// Root 0 is (-b - sqrt(D)) / 2a, root 1 is (sqrt(D) - b) / 2a; D >= 0.
double UlpError(std::int32_t a, std::int32_t b, std::int32_t c, int root, double computed);

}  // namespace reference
