#pragma once
// Every message box, question, file choice, address hand-over and keyboard-state query of the
// windows goes through these replaceable functions, so that tests can answer them without a
// blocking dialog. The defaults show the real Qt dialogs.

#include <QString>
#include <QUrl>
#include <Qt>
#include <functional>

class QWidget;

struct DialogHook {
    // Plain message box with one text.
    static std::function<void(QWidget* parent, const QString& text)> meldung;

    // Modal question with an action button and a cancel button; true = action button pressed. A
    // form feed (code 12) in the message separates the statement from the question.
    static std::function<bool(QWidget* parent, const QString& message, const QString& action,
                              const QString& cancel)>
        frage;

    // Save dialog proposing a file name; an empty result means cancelled.
    static std::function<QString(QWidget* parent, const QString& vorschlag)> speicherDatei;

    // Hands a mail or web address to the system.
    static std::function<void(const QUrl& url)> oeffneUrl;

    // Modifier keys held at this moment (the hidden activations look for Alt).
    static std::function<Qt::KeyboardModifiers()> modifikatoren;

    // Whether the space bar is held at this moment.
    static std::function<bool()> leertasteGedrueckt;

    // Ends the application's event loop.
    static std::function<void()> programmEnde;

    // Starts watching the space bar for the default leertasteGedrueckt (needs the application).
    static void tastenBeobachten();

    // Puts every function back to the real dialog.
    static void standard();
};
