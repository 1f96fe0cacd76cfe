// x87.h: reading and setting the x87 control word, for the tests that
// check that the solver does not depend on the caller's precision.

#pragma once

#include <cstdint>

namespace x87 {

enum class Precision : std::uint16_t { Single = 0x0000, Double = 0x0200, Extended = 0x0300 };

inline std::uint16_t ControlWord()
{
    std::uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

inline void SetControlWord(std::uint16_t word)
{
    asm volatile("fldcw %0" : : "m"(word));
}

// The precision-control field is bits 8 and 9.
constexpr std::uint16_t WithPrecision(std::uint16_t word, Precision precision)
{
    return static_cast<std::uint16_t>((word & ~0x0300u) | static_cast<std::uint16_t>(precision));
}

}  // namespace x87
