#pragma once
// Answers every dialog of the windows from the test: message boxes are recorded, the question
// gets a preset answer, the save dialog returns a preset path, quitting is only counted.

#include "app/dialog_hook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

class DialogFixture : public ::testing::Test {
protected:
    struct Frage {
        QString message, action, cancel;
    };

    void SetUp() override {
        DialogHook::meldung = [this](QWidget*, const QString& text) { meldungen << text; };
        DialogHook::frage = [this](QWidget*, const QString& m, const QString& a, const QString& c) {
            fragen.push_back({m, a, c});
            return antwort;
        };
        DialogHook::speicherDatei = [this](QWidget*, const QString& vorschlag) {
            vorschlaege << vorschlag;
            return speicherPfad;
        };
        DialogHook::oeffneUrl = [this](const QUrl& url) { urls.push_back(url); };
        DialogHook::modifikatoren = [this] { return modifikatoren; };
        DialogHook::leertasteGedrueckt = [this] { return leertaste; };
        DialogHook::programmEnde = [this] { ++beendet; };
    }

    void TearDown() override { DialogHook::standard(); }

    // Types text into the focused-to-be widget key by key, as the keyboard would.
    static void tippe(QWidget* w, const QString& text) {
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &druck);
        }
    }

    static void taste(QWidget* w, Qt::Key key) {
        QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &druck);
        QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(w, &los);
    }

    QStringList meldungen;
    std::vector<Frage> fragen;
    bool antwort = false;
    QStringList vorschlaege;
    QString speicherPfad;
    std::vector<QUrl> urls;
    Qt::KeyboardModifiers modifikatoren = Qt::NoModifier;
    bool leertaste = false;
    int beendet = 0;
};
