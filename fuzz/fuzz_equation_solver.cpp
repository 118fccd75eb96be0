// The equation-solver engine on eleven arbitrary field texts (one per line): reading, and for a
// readable equation the solving and both answer texts, as the window's two buttons do.

#include "equation_solver/equation_solver.h"
#include "fuzz_fields.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quadrova::KoeffTexte texte = quadrova::fuzz::Fields<quadrova::MaxGrad + 1>(data, size);
    quadrova::GleichungsLoeser loeser;
    loeser.Init();
    if (loeser.GleichungEinlesen(texte) != quadrova::Lesung::Ok) {
        return 0;
    }
    (void)loeser.EingabeEcho();
    loeser.Ableiten();
    loeser.NullstellenBerechnen();
    (void)loeser.Antwort();
    return 0;
}
