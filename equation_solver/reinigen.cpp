#include "equation_solver/reinigen.h"

namespace quadrova {

std::string Reinigen(std::string_view text) {
    static constexpr std::string_view erlaubt = "0123456789+-,.";
    std::string rein;
    rein.reserve(text.size());
    for (char c : text) {
        if (c == ',') c = '.';
        if (erlaubt.find(c) != std::string_view::npos) rein.push_back(c);
    }
    return rein;
}

} // namespace quadrova
