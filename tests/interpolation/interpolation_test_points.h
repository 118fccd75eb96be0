#pragma once
// Support points as the window's fields hold them, shared by the engine and the window tests.

#include "interpolation/interpolation_run.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quadrova::interpolation::testing {

struct Punkt {
    std::string x, y;
};

inline Eingaben eingaben(const std::vector<Punkt>& punkte, const std::vector<std::string>& argumente = {}) {
    Eingaben e;
    for (std::size_t i = 0; i < punkte.size() && i < e.x.size(); ++i) {
        e.x[i] = punkte[i].x;
        e.y[i] = punkte[i].y;
    }
    e.argumente[0] = "0";
    for (std::size_t i = 0; i < argumente.size() && i < e.argumente.size(); ++i)
        e.argumente[i] = argumente[i];
    return e;
}

// The decimal text of zaehler / 10^stellen, exactly (for ordinates that are exact decimals).
inline std::string dezimal(std::int64_t zaehler, int stellen) {
    const bool negativ = zaehler < 0;
    std::string ziffern = std::to_string(negativ ? -zaehler : zaehler);
    if (stellen > 0) {
        while (static_cast<int>(ziffern.size()) <= stellen) ziffern.insert(0, "0");
        ziffern.insert(ziffern.size() - static_cast<std::size_t>(stellen), ".");
    }
    return (negativ ? "-" : "") + ziffern;
}

// Points (x, p(x)) for whole x from `von` on, p given by its whole coefficients divided by 10^stellen.
inline std::vector<Punkt> punkteVon(const std::vector<std::int64_t>& koeff, int stellen, int von,
                                    int anzahl) {
    std::vector<Punkt> punkte;
    for (int x = von; x < von + anzahl; ++x) {
        std::int64_t wert = 0;
        for (std::size_t k = koeff.size(); k-- > 0;) wert = wert * x + koeff[k];
        punkte.push_back({std::to_string(x), dezimal(wert, stellen)});
    }
    return punkte;
}

} // namespace quadrova::interpolation::testing
