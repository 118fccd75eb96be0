#include "report/report_completion.h"

#include "core/number_text.h"
#include "core/set_format.h"
#include "report/approximation.h"
#include "report/critical_points.h"
#include "report/curve_description.h"
#include "report/extras.h"
#include "report/sign_table.h"
#include "report/value_table.h"

namespace quadrova {

namespace {

std::string Intervallsatz(const AnalysisState& st, const char* anfang) {
    return std::string(anfang) + Str(st.xlinks) + "; " + Str(st.xrechts) + " ] .";
}

} // namespace

void SchulwegAbschliessen(AnalysisState& st, Surface& ui, std::string& text) {
    KritischeStellenBestimmen(st);
    text += st.leer[2] + "Menge der kritischen Stellen: " + Feld2Menge(st.Kritisch);
    text += st.leer[1] + Intervallsatz(st, "Alle kritischen Stellen liegen im Inneren des Intervalls [ ") +
            st.leer[2];
    Vorzeichen(st);
    text += Vorzeichentabelle(st) + st.leer[1] + Wertetabelle(st) + st.leer[1] + Beschreibung(st);
    if (st.ExtrasAktiviert) Extras(st, text);
    ui.setAusgabeText(text);
    MaxMinBerechnen(st);
    st.SkizzeBereit = true;
}

void NaeherungAnbieten(AnalysisState& st, Surface& ui) {
    const std::string frage =
        std::string("Nicht alle auftretenden Gleichungen können mit schulischen Mitteln "
                    "gelöst werden.") +
        '\f' +
        "Soll mit Hilfe approximativer Methoden eine vollständige "
        "Kurvenuntersuchung erfolgen?";
    if (!ui.frage(frage, "Ja, auch Näherungsverfahren benutzen", "Nein danke")) return;

    KritischeStellenBestimmen(st);
    std::string text =
        st.Gelaber + st.leer[2] + "Teilmenge der erkannten kritischen Stellen: " + Feld2Menge(st.Kritisch);
    text += st.leer[1] +
            Intervallsatz(st, "Alle erkannten kritischen Stellen liegen im Inneren des Intervalls [ ") +
            st.leer[2];
    text += st.leer[1] + std::string(107, '_') + st.leer[1];
    st.Gelaber = text;
    Start2(st, ui);
}

} // namespace quadrova
