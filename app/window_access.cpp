#include "app/window_access.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace {

// Never destroyed: the post routine below may run during static destruction (an application object
// that is itself a static), after a static list would already be gone.
std::vector<QPointer<QWidget>>& fensterListe() {
    static auto* liste = new std::vector<QPointer<QWidget>>;
    return *liste;
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
