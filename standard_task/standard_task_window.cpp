#include "standard_task/standard_task_window.h"

#include "app/window_access.h"

AufgF::AufgF(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Standardaufgabe 1"));
}

AufgF& aufgF() {
    static AufgF* fenster = [] {
        auto* w = new AufgF;
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
