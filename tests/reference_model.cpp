// reference_model.cpp: the MPFR model of the solver; see reference_model.h.

#include "reference_model.h"

#include <mpfr.h>

#include <cmath>
#include <vector>

namespace reference {
namespace {

constexpr mpfr_prec_t kExtended = 64;
constexpr mpfr_prec_t kExact = 256;

// An MPFR number that cleans up after itself.
class Number {
  public:
    explicit Number(mpfr_prec_t precision = kExtended) { mpfr_init2(v_, precision); }
    ~Number() { mpfr_clear(v_); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
    mpfr_ptr get() { return v_; }
    operator mpfr_ptr() { return v_; }

  private:
    mpfr_t v_;
};

double ToDouble(mpfr_ptr x)
{
    return mpfr_get_d(x, MPFR_RNDN);
}

std::string Print(const char* format, unsigned p, double value)
{
    Number x(53);
    mpfr_set_d(x, value, MPFR_RNDN);
    char buffer[512];
    mpfr_snprintf(buffer, sizeof buffer, format, static_cast<int>(p), x.get());
    return buffer;
}

std::string PrintComplex(const char* format, unsigned p, double re, double im)
{
    Number r(53), i(53);
    mpfr_set_d(r, re, MPFR_RNDN);
    mpfr_set_d(i, im, MPFR_RNDN);
    char buffer[512];
    mpfr_snprintf(buffer, sizeof buffer, format, static_cast<int>(p), r.get(), static_cast<int>(p), i.get());
    return buffer;
}

// x = -b - s (first) or s - b (second) divided by a + a, all at 64 bits.
double RootFromNumerator(mpfr_ptr numerator, mpfr_ptr A)
{
    Number twoA, x;
    mpfr_add(twoA, A, A, MPFR_RNDN);
    mpfr_div(x, numerator, twoA, MPFR_RNDN);
    return ToDouble(x);
}

// C / q with q = numerator / 2; or +0 / (a + a) when c is zero.
double RootFromProduct(mpfr_ptr numerator, mpfr_ptr A, mpfr_ptr C)
{
    Number x;
    if (mpfr_zero_p(C)) {
        Number zero, twoA;
        mpfr_set_zero(zero, +1);
        mpfr_add(twoA, A, A, MPFR_RNDN);
        mpfr_div(x, zero, twoA, MPFR_RNDN);
    } else {
        Number q;
        mpfr_div_2ui(q, numerator, 1, MPFR_RNDN);
        mpfr_div(x, C, q, MPFR_RNDN);
    }
    return ToDouble(x);
}

}  // namespace

Result Solve(std::int32_t a, std::int32_t b, std::int32_t c, unsigned p)
{
    Result r;
    Number A, B, C, bb, fourAC, d;
    mpfr_set_si(A, a, MPFR_RNDN);
    mpfr_set_si(B, b, MPFR_RNDN);
    mpfr_set_si(C, c, MPFR_RNDN);
    mpfr_mul(bb, B, B, MPFR_RNDN);
    mpfr_mul_ui(fourAC, A, 4, MPFR_RNDN);
    mpfr_mul(fourAC, fourAC, C, MPFR_RNDN);
    mpfr_sub(d, bb, fourAC, MPFR_RNDN);
    double delta = ToDouble(d);

    if (a != 0) {
        r.rootCount = 2;
        r.complexRoots = delta < 0;
        if (r.complexRoots)
            delta = -delta;
        Number root;
        mpfr_set_d(d, delta, MPFR_RNDN);
        mpfr_sqrt(root, d, MPFR_RNDN);
        const double s = ToDouble(root);

        if (!r.complexRoots) {
            Number first, second;  // -b - s and s - b
            mpfr_neg(first, B, MPFR_RNDN);
            mpfr_sub_d(first, first, s, MPFR_RNDN);
            mpfr_set_d(second, s, MPFR_RNDN);
            mpfr_sub(second, second, B, MPFR_RNDN);
            if (b > 0) {
                r.x0 = RootFromNumerator(first, A);
                r.x1 = RootFromProduct(first, A, C);
            } else if (b < 0) {
                r.x1 = RootFromNumerator(second, A);
                r.x0 = RootFromProduct(second, A, C);
            } else {
                r.x0 = RootFromNumerator(first, A);
                r.x1 = RootFromNumerator(second, A);
            }
            r.x0Text = Print("%#.*Rg", p, r.x0);
            r.x1Text = Print("%#.*Rg", p, r.x1);
        } else {
            Number re, im;
            mpfr_mul_d(re, B, -0.5, MPFR_RNDN);
            mpfr_div(re, re, A, MPFR_RNDN);
            mpfr_set_d(im, s, MPFR_RNDN);
            mpfr_mul_d(im, im, 0.5, MPFR_RNDN);
            mpfr_div(im, im, A, MPFR_RNDN);
            r.x0Text = PrintComplex("%#.*Rg + %#.*Rgi", p, ToDouble(re), ToDouble(im));
            r.x1Text = PrintComplex("%#.*Rg - %#.*Rgi", p, ToDouble(re), ToDouble(im));
        }
    } else if (b != 0) {
        r.rootCount = 1;
        Number x;
        mpfr_neg(x, C, MPFR_RNDN);
        mpfr_div(x, x, B, MPFR_RNDN);
        r.x0Text = Print("%.*Rg", p, ToDouble(x));
        r.x1Text = "nie istnieje";
    } else if (c != 0) {
        r.rootCount = 0;
        r.x0Text = "R\u00f3wnanie nie ma rozwi\u0105za\u0144!";
    } else {
        r.rootCount = 3;
        r.x0Text = "Ka\u017cda liczba spe\u0142nia to r\u00f3wnanie";
    }
    return r;
}

double UlpError(std::int32_t a, std::int32_t b, std::int32_t c, int root, double computed)
{
    // The stable pair of formulas, exact to far more than 53 bits at 256.
    Number A(kExact), B(kExact), C(kExact), d(kExact), t(kExact), q(kExact), x(kExact);
    mpfr_set_si(A, a, MPFR_RNDN);
    mpfr_set_si(B, b, MPFR_RNDN);
    mpfr_set_si(C, c, MPFR_RNDN);
    mpfr_mul(d, B, B, MPFR_RNDN);
    mpfr_mul(t, A, C, MPFR_RNDN);
    mpfr_mul_ui(t, t, 4, MPFR_RNDN);
    mpfr_sub(d, d, t, MPFR_RNDN);
    mpfr_sqrt(d, d, MPFR_RNDN);
    // q = -(b + sign(b) sqrt(D)) / 2; the roots are q / a and c / q.
    if (b >= 0)
        mpfr_add(q, B, d, MPFR_RNDN);
    else
        mpfr_sub(q, B, d, MPFR_RNDN);
    mpfr_neg(q, q, MPFR_RNDN);
    mpfr_div_2ui(q, q, 1, MPFR_RNDN);
    // q / a is root 0 when b > 0 and root 1 when b < 0; with b = 0 the
    // roots are -sqrt(D)/2a and +sqrt(D)/2a.
    const bool fromQ = (b > 0) ? (root == 0) : (b < 0) ? (root == 1) : true;
    if (b == 0) {
        mpfr_div(x, d, A, MPFR_RNDN);
        mpfr_div_2ui(x, x, 1, MPFR_RNDN);
        if (root == 0)
            mpfr_neg(x, x, MPFR_RNDN);
    } else if (fromQ) {
        mpfr_div(x, q, A, MPFR_RNDN);
    } else if (c == 0) {
        mpfr_set_zero(x, +1);
    } else {
        mpfr_div(x, C, q, MPFR_RNDN);
    }

    if (mpfr_zero_p(x))
        return computed == 0.0 ? 0.0 : INFINITY;
    // ulp of the exact root as a double: 2^(e - 53) with x = m 2^e, 0.5 <= m < 1.
    const long e = mpfr_get_exp(x);
    Number err(kExact);
    mpfr_set_d(err, computed, MPFR_RNDN);
    mpfr_sub(err, err, x, MPFR_RNDN);
    mpfr_abs(err, err, MPFR_RNDN);
    mpfr_mul_2si(err, err, 53 - e, MPFR_RNDN);
    return mpfr_get_d(err, MPFR_RNDN);
}

}  // namespace reference
