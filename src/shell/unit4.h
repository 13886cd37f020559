#pragma once
#include <QWidget>

class QLabel;

// The start-up picture, up for the first two seconds.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    QLabel* Image1;
};
