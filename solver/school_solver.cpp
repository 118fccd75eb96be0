// The entry point of the school solver: dispatch by degree, sorting, and the closing sentence that
// tells whether the solution set is complete.

#include "solver/school_solver.h"

#include "core/int_helpers.h"
#include "core/set_format.h"
#include "solver/solver_steps.h"

#include <array>

namespace quadrova {

Loeser LoeserFuerGrad(int d) {
    static constexpr std::array<Loeser, 6> kNachGrad = {Loesung0, Loesung1, Loesung2,
                                                        Loesung3, Loesung4, Loesung5};
    return d >= 1 && d <= 5 ? kNachGrad[static_cast<std::size_t>(d)] : Loesung0;
}

void Loesung012345(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text) {
    for (int i = 0; i <= 5; ++i) lsg[static_cast<std::size_t>(i)] = 0;
    st.lkomplett = true;
    LoeserFuerGrad(Grad(a))(st, ui, a, lsg, text);
    FeldOrdnen(lsg);

    if (st.lkomplett) {
        text += st.leer[1] + "Lösungsmenge ist also " + Feld2Menge(lsg) + " .";
    } else if (lsg[0] == 0) {
        text += st.leer[1] + "Die Lösungsmenge kann also mit schulischen Mitteln nicht bestimmt werden .";
        st.schulfern = true;
    } else if (lsg[0] == -1) {
        text += st.leer[1] + "Alle reellen Zahlen sind Lösungen.";
    } else {
        text += st.leer[1] + "Eine Teilmenge der Lösungsmenge ist also " + Feld2Menge(lsg) + " .";
        st.schulfern = true;
    }
}

} // namespace quadrova
