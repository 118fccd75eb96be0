#include "app/window_access.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace {

std::vector<QPointer<QWidget>>& fensterListe() {
    static std::vector<QPointer<QWidget>> liste;
    return liste;
}

// Runs while the application object is being destroyed, before the windowing system goes away.
void alleFensterLoeschen() {
    auto& liste = fensterListe();
    for (auto it = liste.rbegin(); it != liste.rend(); ++it) delete it->data();
    liste.clear();
}

} // namespace

void fensterBeimEndeLoeschen(QWidget* w) {
    if (fensterListe().empty()) qAddPostRoutine(alleFensterLoeschen);
    fensterListe().emplace_back(w);
}
