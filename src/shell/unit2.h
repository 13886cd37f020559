#pragma once
#include <QWidget>

class QFrame;
class TGraphicGauge;
class TRxGIFAnimator;

// The transfer window: an animation and the progress gauge of the blocks sent.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QFrame* Panel1;
    TRxGIFAnimator* RxGIFAnimator1;
    TGraphicGauge* GraphicGauge1;
};
