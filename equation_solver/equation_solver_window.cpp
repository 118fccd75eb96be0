#include "equation_solver/equation_solver_window.h"

#include "app/window_access.h"

GleichungsF::GleichungsF(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Gleichungslöser"));
}

GleichungsF& gleichungsF() {
    static GleichungsF* fenster = [] {
        auto* w = new GleichungsF;
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
