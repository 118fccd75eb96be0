#pragma once
// Placeholder window until the real one is built.

#include <QWidget>

class GleichungsF : public QWidget {
    Q_OBJECT
public:
    explicit GleichungsF(QWidget* parent = nullptr);
};
