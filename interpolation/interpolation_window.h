#pragma once
// The window "Interpolationspolynom": up to ten support points, the values of the interpolation
// polynomial at ten arguments, its coefficients as computed or stretched to whole numbers, and the
// export of a suitable stretched polynomial into the curve analysis of the main window.

#include "interpolation/interpolation_run.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class IntFenster : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFelder = quadrova::interpolation::kMaxPunkte;

    explicit IntFenster(QWidget* parent = nullptr);

    // Controls, for the tests. Slot and index run from 0 to 9.
    QLineEdit* sstellen() const { return m_sstellen; }
    QLineEdit* xF(int i) const { return m_xF.at(idx(i)); }          // abscissa of point i
    QLineEdit* yF(int i) const { return m_yF.at(idx(i)); }          // ordinate of point i
    QLineEdit* argumentF(int i) const { return m_argF.at(idx(i)); } // xF01, xF11, ... xF91
    QLineEdit* wertF(int i) const { return m_wertF.at(idx(i)); }    // yF01, yF11, ... yF91
    QLineEdit* KF(int k) const { return m_KF.at(idx(k)); }          // coefficient of x^k
    QLabel* xS(int k) const { return m_xS.at(idx(k)); }             // its label "x^k"
    QPushButton* PushButton1() const { return m_pushButton1; }
    QPushButton* PushButton2() const { return m_pushButton2; }
    QPushButton* ExportB() const { return m_exportB; }
    QPushButton* BevelButton3() const { return m_bevelButton3; }
    QLabel* Streckanzeige() const { return m_streckanzeige; }
    QLabel* StaticText3() const { return m_staticText3; } // caption of the coefficient fields

    const quadrova::interpolation::InterpolationsDaten& daten() const { return m_daten; }

protected:
    void closeEvent(QCloseEvent* event) override; // Event_Close

private:
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }

    void baueSteuerelemente();

    void sstellen_TextChange();
    void BevelButton3_Action();
    void berechnen(bool strecken); // PushButton1_Action and PushButton2_Action
    void ExportB_Action();

    void Interpolation();
    void Entbirg();
    void Verbirg(int k);
    void Polynomexport();

    quadrova::interpolation::InterpolationsDaten m_daten;

    QLineEdit* m_sstellen = nullptr;
    std::array<QLineEdit*, kFelder> m_xF{};
    std::array<QLineEdit*, kFelder> m_yF{};
    std::array<QLineEdit*, kFelder> m_argF{};
    std::array<QLineEdit*, kFelder> m_wertF{};
    std::array<QLineEdit*, kFelder> m_KF{};
    std::array<QLabel*, kFelder> m_xS{};
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_pushButton2 = nullptr;
    QPushButton* m_exportB = nullptr;
    QPushButton* m_bevelButton3 = nullptr;
    QLabel* m_streckanzeige = nullptr;
    QLabel* m_staticText3 = nullptr;
};
