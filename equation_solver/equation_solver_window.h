#pragma once
// The window "Gleichungs-Löser": eleven coefficient fields laid out as the equation
// a_0 + a_1 x + ... + a_10 x^10 = 0, reading, solving and the German answer.

#include "equation_solver/equation_solver.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class GleichungsF : public QWidget {
    Q_OBJECT
public:
    explicit GleichungsF(QWidget* parent = nullptr);

    // Controls and the computing state, for the tests.
    QLineEdit* xF(int i) const { return m_xF.at(static_cast<std::size_t>(i)); }
    QPushButton* QuitB1() const { return m_quitB1; }
    QPushButton* BerechneB1() const { return m_berechneB1; }
    QPushButton* EinleseB() const { return m_einleseB; }
    QPushButton* QuitB() const { return m_quitB; }
    QPlainTextEdit* AusgabeF() const { return m_ausgabeF; }
    const quadrova::GleichungsLoeser& loeser() const { return m_loeser; }

private:
    void xF_TextChange();
    void EinleseB_Action();
    void BerechneB1_Action();
    void QuitB_Action();
    void QuitB1_Action();

    void Init();
    bool GleichungEinlesen();
    void Einlesen(quadrova::KoeffTexte& texte) const;
    void Einsetzen(const quadrova::KoeffTexte& texte);
    QString GleichungAusgeben();

    quadrova::GleichungsLoeser m_loeser;

    std::array<QLineEdit*, quadrova::MaxGrad + 1> m_xF{};
    QPushButton* m_quitB1 = nullptr;
    QPushButton* m_berechneB1 = nullptr;
    QPushButton* m_einleseB = nullptr;
    QPushButton* m_quitB = nullptr;
    QPlainTextEdit* m_ausgabeF = nullptr;
};
