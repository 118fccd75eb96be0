#include "app/dialog_hook.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

// Remembers whether the space bar is down: the platform offers no query for a single key, so
// every key press and release of the application passes by here.
class Leertastenwaechter : public QObject {
public:
    bool gedrueckt = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            auto* taste = static_cast<QKeyEvent*>(event);
            if (taste->key() == Qt::Key_Space && !taste->isAutoRepeat())
                gedrueckt = event->type() == QEvent::KeyPress;
        } else if (event->type() == QEvent::ApplicationDeactivate) {
            gedrueckt = false; // the release may happen in another program
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<Leertastenwaechter> waechter;

void zeigeMeldung(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Quadrova"));
    box.setText(text);
    box.exec();
}

// The form feed of the message separates the statement (main text) from the question.
bool stelleFrage(QWidget* parent, const QString& message, const QString& action, const QString& cancel) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Quadrova"));
    box.setIcon(QMessageBox::Question);
    const qsizetype trenner = message.indexOf(QChar(12));
    if (trenner < 0) {
        box.setText(message);
    } else {
        box.setText(message.left(trenner));
        box.setInformativeText(message.mid(trenner + 1).trimmed());
    }
    QPushButton* ja = box.addButton(action, QMessageBox::AcceptRole);
    QPushButton* nein = box.addButton(cancel, QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

QString waehleDatei(QWidget* parent, const QString& vorschlag) {
    QFileDialog dialog(parent, QStringLiteral("Beschreibung Speichern"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("Textdatei (*.txt)"), QStringLiteral("Alle Dateien (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void oeffne(const QUrl& url) {
    if (!QDesktopServices::openUrl(url))
        DialogHook::meldung(QApplication::activeWindow(),
                            QStringLiteral("Die Adresse konnte nicht geöffnet werden: ") + url.toString());
}

Qt::KeyboardModifiers aktuelleModifikatoren() {
    return QGuiApplication::queryKeyboardModifiers();
}

bool leertasteUnten() {
    return waechter != nullptr && waechter->gedrueckt;
}

void beende() {
    QCoreApplication::quit();
}

} // namespace

std::function<void(QWidget*, const QString&)> DialogHook::meldung = zeigeMeldung;
std::function<bool(QWidget*, const QString&, const QString&, const QString&)> DialogHook::frage = stelleFrage;
std::function<QString(QWidget*, const QString&)> DialogHook::speicherDatei = waehleDatei;
std::function<void(const QUrl&)> DialogHook::oeffneUrl = oeffne;
std::function<Qt::KeyboardModifiers()> DialogHook::modifikatoren = aktuelleModifikatoren;
std::function<bool()> DialogHook::leertasteGedrueckt = leertasteUnten;
std::function<void()> DialogHook::programmEnde = beende;

void DialogHook::tastenBeobachten() {
    if (waechter != nullptr || qApp == nullptr) return;
    waechter = new Leertastenwaechter;
    waechter->setParent(qApp);
    qApp->installEventFilter(waechter);
}

void DialogHook::standard() {
    meldung = zeigeMeldung;
    frage = stelleFrage;
    speicherDatei = waehleDatei;
    oeffneUrl = oeffne;
    modifikatoren = aktuelleModifikatoren;
    leertasteGedrueckt = leertasteUnten;
    programmEnde = beende;
}
