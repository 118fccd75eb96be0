#pragma once
// Exact real-algebraic facts about a polynomial with integer coefficients, computed independently of
// the program: rational polynomial arithmetic (GMP), Sturm sequences, real-root isolation by
// bisection, and the signs of f, f' and f'' on both sides of every critical point.

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <vector>

namespace claims {

// Coefficient k is the coefficient of x^k; no trailing zeros, so the zero polynomial is empty.
using QPoly = std::vector<mpq_class>;

QPoly Trimmed(QPoly p);
int Degree(const QPoly& p); // -1 for the zero polynomial
QPoly Derivative(const QPoly& p);
mpq_class Eval(const QPoly& p, const mpq_class& x);
int SignAt(const QPoly& p, const mpq_class& x);
void DivMod(const QPoly& a, const QPoly& b, QPoly& quot, QPoly& rem);
QPoly Gcd(QPoly a, QPoly b);      // monic; the gcd of two zero polynomials is zero
QPoly SquareFree(const QPoly& p); // monic p / gcd(p, p'): same real zeros, each simple
QPoly Quotient(const QPoly& a, const QPoly& b);

// One real zero of the square-free polynomial q: either exactly lo == hi, or the only zero of q in
// the open interval (lo, hi) with q(lo) and q(hi) of opposite signs.
struct RealRoot {
    mpq_class lo, hi;
    QPoly q;
    bool Exact() const { return lo == hi; }
    void Refine();                         // halves the interval (or finds the zero exactly)
    void RefineTo(const mpq_class& width); // until hi - lo <= width
    mpq_class Mid() const { return (lo + hi) / 2; }
};

// The distinct real zeros of a polynomial, ascending, isolated in pairwise disjoint intervals.
std::vector<RealRoot> IsolateRealRoots(const QPoly& p);

// A zero located to about 1e-13 relative precision, converted to double.
double Approx(RealRoot& r);

// Does p change its sign at its zero r (odd multiplicity)? r must be a zero of p.
bool SignChangesAt(const QPoly& p, RealRoot r);

// One critical point: a zero of f, f' or f''. `zero[i]` says whether f^(i) vanishes there;
// `left[i]` and `right[i]` are the signs of f^(i) on the open stretches next to the point (no
// zero of f, f', f'' lies on them), `at[i]` the sign at the point itself.
struct CriticalPoint {
    RealRoot root;
    double x = 0;
    mpq_class fine; // the point to about 1e-13 relative precision
    std::array<bool, 3> zero{};
    std::array<int, 3> left{}, right{}, at{};
};

struct ExactCurve {
    std::array<QPoly, 6> d;                   // f and its derivatives up to the fifth
    std::array<std::vector<double>, 5> zeros; // distinct real zeros of f^(i), ascending
    std::array<std::vector<bool>, 5> changes; // does f^(i) change sign at that zero?
    std::vector<CriticalPoint> crit;          // distinct zeros of f, f', f'', ascending

    double Value(int i, const mpq_class& x) const { return Eval(d[static_cast<std::size_t>(i)], x).get_d(); }
    int Sign(int i, double x) const { return SignAt(d[static_cast<std::size_t>(i)], mpq_class(x)); }
};

// coeff[k] is the coefficient of x^k (k = 0..5).
ExactCurve Analyse(const std::array<std::int64_t, 6>& coeff);

} // namespace claims
