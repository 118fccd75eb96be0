#pragma once
// Placeholder window until the real one is built.

#include <QWidget>

class AufgF : public QWidget {
    Q_OBJECT
public:
    explicit AufgF(QWidget* parent = nullptr);
};
