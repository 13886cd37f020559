#pragma once
#include <QWidget>

class QFrame;
class QLabel;
class TRxGIFAnimator;

// The wait window: the same request in the three languages at once, over an animation.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    TRxGIFAnimator* RxGIFAnimator1;
};
