// case_sets.h: the coefficient triples the solver tests run over, made by
// a fixed-seed generator so that every build and every run sees the same.

#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <random>
#include <vector>

namespace cases {

struct Case {
    std::int32_t a;
    std::int32_t b;
    std::int32_t c;
    unsigned p;
};

// The coefficients where overflow, cancellation and rounding meet: the
// 32-bit bounds, the square-root bound of 2^31 and the small numbers.
inline constexpr std::array<std::int32_t, 13> kEdgeValues = {
    INT_MIN, INT_MIN + 1, -46341, -46340, -2, -1, 0, 1, 2, 46340, 46341, INT_MAX - 1, INT_MAX,
};

// Every combination of the edge values, each at the precision p.
inline std::vector<Case> EdgeLattice(unsigned p)
{
    std::vector<Case> out;
    for (auto a : kEdgeValues)
        for (auto b : kEdgeValues)
            for (auto c : kEdgeValues)
                out.push_back({a, b, c, p});
    return out;
}

enum class Family { Random32, Small, IntegerRoots, DoubleRoot, ZeroC, ZeroB };
inline constexpr std::array<Family, 6> kFamilies = {
    Family::Random32, Family::Small, Family::IntegerRoots, Family::DoubleRoot, Family::ZeroC, Family::ZeroB,
};

// `count` triples of each family, the precision cycling through 1..15.
inline std::vector<Case> RandomCases(std::size_t countPerFamily, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    auto uniform = [&rng](std::int64_t lo, std::int64_t hi) {
        return static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(lo, hi)(rng));
    };
    auto any32 = [&] { return uniform(INT_MIN, INT_MAX); };
    auto nonzero = [&](std::int64_t bound) {
        std::int32_t v = 0;
        while (v == 0)
            v = uniform(-bound, bound);
        return v;
    };

    std::vector<Case> out;
    unsigned p = 0;
    for (Family family : kFamilies) {
        for (std::size_t i = 0; i < countPerFamily; ++i) {
            Case k{};
            k.p = 1 + (p++ % 15);
            switch (family) {
            case Family::Random32:
                k.a = any32(), k.b = any32(), k.c = any32();
                break;
            case Family::Small:
                k.a = uniform(-20, 20), k.b = uniform(-20, 20), k.c = uniform(-20, 20);
                break;
            case Family::IntegerRoots: {
                // a (x - r) (x - s) with every coefficient inside 32 bits.
                const std::int64_t a = nonzero(100);
                const std::int64_t r = uniform(-4000, 4000);
                const std::int64_t s = uniform(-4000, 4000);
                k.a = static_cast<std::int32_t>(a);
                k.b = static_cast<std::int32_t>(-a * (r + s));
                k.c = static_cast<std::int32_t>(a * r * s);
                break;
            }
            case Family::DoubleRoot: {
                // (m x + n)^2 = m^2 x^2 + 2 m n x + n^2
                const std::int64_t m = nonzero(46340);
                const std::int64_t bound = INT_MAX / (2 * (m < 0 ? -m : m));
                const std::int64_t n =
                    uniform(-std::min<std::int64_t>(bound, 46340), std::min<std::int64_t>(bound, 46340));
                k.a = static_cast<std::int32_t>(m * m);
                k.b = static_cast<std::int32_t>(2 * m * n);
                k.c = static_cast<std::int32_t>(n * n);
                break;
            }
            case Family::ZeroC:
                k.a = any32(), k.b = any32(), k.c = 0;
                break;
            case Family::ZeroB:
                k.a = any32(), k.b = 0, k.c = any32();
                break;
            }
            out.push_back(k);
        }
    }
    return out;
}

}  // namespace cases
