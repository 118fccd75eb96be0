#include "report/analysis_driver.h"

#include "core/calculus.h"
#include "core/number_text.h"
#include "core/set_format.h"
#include "core/term_parser.h"
#include "core/term_printing.h"
#include "report/report_completion.h"
#include "solver/school_solver.h"

namespace quadrova {

void Start(AnalysisState& st, Surface& ui) {
    IntVec zeile{};
    SolArray lsg{};
    init(st);
    ui.setAusgabeText("");
    bool ok = true;
    Einlesen(st, ui, ok);
    if (!ok) {
        ui.meldung("Bitte Funktionsterm korrekt eingeben");
        ui.setEingabeText("");
        ui.setAusgabeText("");
        return;
    }
    Ableiten(st);

    std::string text =
        "Untersuchung der Funktion f mit f(x) = " + Koeff2Term(st.Poly) + " mit schulüblichen Mitteln.";
    for (int i = 0; i <= 3; ++i) {
        // Refilled every time: the solver shifts the row in place when it factors out x.
        for (int j = 0; j <= 6; ++j) zeile[j] = RundeGanz(st.Pnom[i][j]);
        text += st.leer[2];
        if (i > 0) text += "Die " + Str(i) + ". Ableitung hat den Funktionsterm " + Koeff2Term(zeile) + " ; ";
        text += "Bestimmung der Nullstellen:";
        Loesung012345(st, ui, zeile, lsg, text);
        Lsg2Nullst(st, i, lsg);
    }
    text += st.leer[3];
    if (st.schulfern) text += "Unvollständige ";
    text += "Zusammenfassung der Nullstellenmengen N(i) der i-Ableitungen (i=0, 1, 2, 3):" + st.leer[2];
    for (int i = 0; i <= 3; ++i) {
        text += "N(" + Str(i) + ") = ";
        for (int j = 0; j <= 5; ++j) lsg[j] = st.Nullstellen[i][j];
        text += Feld2Menge(lsg) + st.leer[1];
        st.Gelaber = text;
    }

    if (!st.schulfern) {
        SchulwegAbschliessen(st, ui, text);
        return;
    }
    ui.setAusgabeText(
        st.Gelaber + st.leer[2] +
        "Wegen der Unvollständigkeit der Ergebnisse erfolgt keine Beschreibung des Kurvenverlaufs.");
    NaeherungAnbieten(st, ui);
}

} // namespace quadrova
