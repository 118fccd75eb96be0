#include "sketch/sketch_mapping.h"

#include <algorithm>
#include <cmath>

namespace quadrova {

SketchView SketchAnsicht(const AnalysisState& st, bool erweitert) {
    if (erweitert) return {st.xlinks, st.xrechts, st.erwminf, st.erwmaxf};
    return {st.xmin, st.xmax, st.minf, st.maxf};
}

bool Zeichenbar(const SketchView& v) {
    const bool endlich =
        std::isfinite(v.left) && std::isfinite(v.right) && std::isfinite(v.bottom) && std::isfinite(v.top);
    if (!endlich || v.right == v.left || v.bottom == v.top) return false;
    // The scale factors themselves must stay finite (a width of 1e-320 would overflow them).
    return std::isfinite(690 / (v.right - v.left)) && std::isfinite(590 / (v.bottom - v.top));
}

int Pixel(double v) {
    constexpr double kGrenze = 1.0e6;
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::lround(std::clamp(v, -kGrenze, kGrenze)));
}

} // namespace quadrova
