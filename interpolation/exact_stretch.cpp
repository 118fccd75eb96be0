#include "interpolation/exact_stretch.h"

#include <charconv>
#include <string>
#include <string_view>

namespace quadrova::interpolation {

namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

mpz_class zehnHoch(unsigned long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, e);
    return p;
}

} // namespace

mpq_class ExakterWert(double v) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));

    // The shortest text has the shape [-]digits[.digits][e(+|-)digits].
    std::size_t pos = 0;
    const bool negativ = !text.empty() && text[0] == '-';
    if (negativ) ++pos;
    std::string ziffern;
    long nachkomma = 0;
    bool punkt = false;
    for (; pos < text.size() && text[pos] != 'e'; ++pos) {
        if (text[pos] == '.') {
            punkt = true;
        } else {
            ziffern.push_back(text[pos]);
            if (punkt) ++nachkomma;
        }
    }
    long exponent = 0;
    if (pos < text.size()) {
        ++pos;
        const bool expNegativ = text[pos] == '-';
        if (text[pos] == '+' || text[pos] == '-') ++pos;
        std::from_chars(text.data() + pos, text.data() + text.size(), exponent);
        if (expNegativ) exponent = -exponent;
    }

    mpq_class wert{mpz_class(ziffern, 10)};
    const long zehner = exponent - nachkomma; // |zehner| stays below 400 for every double
    if (zehner >= 0) {
        wert *= zehnHoch(static_cast<unsigned long>(zehner));
    } else {
        wert /= zehnHoch(static_cast<unsigned long>(-zehner));
    }
    wert.canonicalize();
    return negativ ? mpq_class(-wert) : wert;
}

std::array<mpq_class, 10> ExakteKoeffizienten(const std::array<mpq_class, 10>& x,
                                              const std::array<mpq_class, 10>& y, int n) {
    std::array<mpq_class, 10> a;
    if (n <= 0) return a;

    // Divided differences: afterwards c_k = [y_0, ..., y_k].
    std::array<mpq_class, 10> c = y;
    for (int k = 1; k < n; ++k) {
        for (int i = n - 1; i >= k; --i) {
            mpq_class q = (c[idx(i)] - c[idx(i - 1)]) / (x[idx(i)] - x[idx(i - k)]);
            c[idx(i)] = q;
        }
    }

    // Newton form expanded from the inside: p = c_(n-1); p = p * (x - x_k) + c_k for k = n-2 ... 0.
    a[0] = c[idx(n - 1)];
    for (int k = n - 2; k >= 0; --k) {
        for (int j = n - 1 - k; j >= 1; --j) {
            mpq_class neu = a[idx(j - 1)] - x[idx(k)] * a[idx(j)];
            a[idx(j)] = neu;
        }
        mpq_class neu = c[idx(k)] - x[idx(k)] * a[0];
        a[0] = neu;
    }
    return a;
}

mpz_class Streckfaktor(const std::array<mpq_class, 10>& c) {
    mpz_class s = 1;
    for (const auto& ck : c) mpz_lcm(s.get_mpz_t(), s.get_mpz_t(), ck.get_den_mpz_t());
    return s;
}

} // namespace quadrova::interpolation
