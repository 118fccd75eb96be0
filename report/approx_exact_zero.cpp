#include "report/approx_exact_zero.h"

namespace quadrova {

namespace {
__extension__ typedef __int128 Int128;
}

bool IstExakteNullstelle(const IntVec& c, std::int64_t w) {
    if (w == 0) return c[0] == 0;
    // c(w) = 0 exactly when c = (x - w) q with whole q. Comparing coefficients from the constant
    // term upwards gives c(0) = -w q(0) and c(k) = q(k-1) - w q(k): every q(k) must come out whole,
    // and q(6) must vanish. |q(k)| stays below the sum of the |c(j)|, so 128 bits always suffice,
    // unlike the value c(w) itself, which grows with w^6.
    const Int128 wl = w;
    Int128 q = 0; // q(-1) = 0
    for (int k = 0; k <= 6; ++k) {
        const Int128 r = q - c[k];
        if (r % wl != 0) return false;
        q = r / wl;
    }
    return q == 0;
}

} // namespace quadrova
