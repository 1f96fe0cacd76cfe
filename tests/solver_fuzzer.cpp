// solver_fuzzer.cpp: a libFuzzer target over (a, b, c, precision), built
// by clang with AddressSanitizer and UndefinedBehaviorSanitizer. Each input
// is 16 bytes: three signed 32-bit coefficients and an unsigned precision,
// any value of it (the solver clamps). Shorter inputs are padded with
// zeros. Every result is checked against what must hold for any input,
// and against the independent MPFR model and 256-bit roots.

#include "solver.h"

#include "reference_model.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

struct Input {
    std::int32_t a = 0, b = 0, c = 0;
    std::uint32_t p = 0;
};

// The same 2-ulp budget as the reference test; see its comment.
constexpr double kUlpBound = 2.0;

[[noreturn]] void Fail(const Input& in, const char* what)
{
    std::fprintf(stderr, "a=%d b=%d c=%d p=%u: %s\n", in.a, in.b, in.c, in.p, what);
    std::abort();
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool ValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < static_cast<std::size_t>(length))
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// The text up to its NUL, which must lie inside the buffer.
std::string_view BoundedText(const Input& in, const SolverText& text)
{
    const void* nul = std::memchr(text.data(), '\0', text.size());
    if (!nul)
        Fail(in, "a text fills its buffer with no terminating NUL");
    return {text.data(), static_cast<std::size_t>(static_cast<const char*>(nul) - text.data())};
}

bool SameBits(double x, double y)
{
    return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
}

void Check(const Input& in)
{
    const SolveResult r = SolveQuadratic(in.a, in.b, in.c, in.p);
    const QuadraticData& d = r.data;
    const std::string_view x0Text = BoundedText(in, r.x0Text);
    const std::string_view x1Text = BoundedText(in, r.x1Text);
    if (!ValidUtf8(x0Text) || !ValidUtf8(x1Text))
        Fail(in, "a text is not valid UTF-8");

    if (d.a != in.a || d.b != in.b || d.c != in.c)
        Fail(in, "the record does not carry the coefficients");

    // The kind of equation, decided exactly: b^2 - 4ac fits in 128 bits.
    const __int128 discriminant = __int128{in.b} * in.b - __int128{4} * in.a * in.c;
    const int expectedCount = in.a != 0 ? 2 : in.b != 0 ? 1 : in.c != 0 ? 0 : 3;
    if (d.rootCount != expectedCount)
        Fail(in, "rootCount does not match the kind of equation");
    if (d.complexRoots != (in.a != 0 && discriminant < 0))
        Fail(in, "complexRoots does not match the sign of the discriminant");

    const bool realPair = d.rootCount == 2 && !d.complexRoots;
    if (!realPair && (!SameBits(d.x0, 0.0) || !SameBits(d.x1, 0.0)))
        Fail(in, "x0 or x1 is set although the record has no two real roots");
    if (realPair && in.a > 0 && !(d.x0 <= d.x1))
        Fail(in, "x0 > x1 with a > 0");
    if (realPair && in.a < 0 && !(d.x0 >= d.x1))
        Fail(in, "x0 < x1 with a < 0");
    if ((d.rootCount == 0 || d.rootCount == 3) && !x1Text.empty())
        Fail(in, "the second text is set for an equation with no roots or every root");

    if (realPair) {
        for (int root = 0; root < 2; ++root) {
            const double x = root == 0 ? d.x0 : d.x1;
            if (reference::UlpError(in.a, in.b, in.c, root, x) > kUlpBound)
                Fail(in, root == 0 ? "x0 is more than 2 ulp from the exact root"
                                   : "x1 is more than 2 ulp from the exact root");
        }
    }

    // And everything, texts included, as the independent model has it at
    // the clamped precision.
    const unsigned p = std::clamp(in.p, kMinPrecision, kMaxPrecision);
    const reference::Result want = reference::Solve(in.a, in.b, in.c, p);
    if (!SameBits(d.x0, want.x0) || !SameBits(d.x1, want.x1) || x0Text != want.x0Text ||
        x1Text != want.x1Text)
        Fail(in, "the result differs from the MPFR model's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint8_t bytes[sizeof(Input)] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    Input in;
    std::memcpy(&in.a, bytes + 0, 4);
    std::memcpy(&in.b, bytes + 4, 4);
    std::memcpy(&in.c, bytes + 8, 4);
    std::memcpy(&in.p, bytes + 12, 4);
    Check(in);
    return 0;
}
