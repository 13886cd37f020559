#include "widgets/graphic_gauge.h"

#include <QPainter>
#include <algorithm>
#include <limits>

#include "widgets/gauge_fill.h"
#include "widgets/widget_errors.h"

TGraphicGauge::TGraphicGauge(QWidget* parent) : QWidget(parent)
{
    resize(sizeHint());
    setToolTip(QString::number(progress_));
}

void TGraphicGauge::setMinValue(int value)
{
    if (value > maxValue_)
        throw dds::valueNotBetween(std::numeric_limits<int>::min(), maxValue_);
    minValue_ = value;
    update();
    if (progress_ < minValue_)
        setProgress(minValue_);
}

void TGraphicGauge::setMaxValue(int value)
{
    if (value < minValue_)
        throw dds::valueNotBetween(minValue_, std::numeric_limits<int>::max());
    maxValue_ = value;
    update();
    if (progress_ > maxValue_)
        setProgress(maxValue_);
}

void TGraphicGauge::setProgress(int value)
{
    const int before = PercentDone();
    progress_ = std::clamp(value, minValue_, maxValue_);
    if (PercentDone() != before)
        update();
    setToolTip(QString::number(progress_));
    emit OnChange();
}

void TGraphicGauge::setBrosse(const QPixmap& bitmap)
{
    brosse_ = bitmap;
    update();
}

void TGraphicGauge::setFond(const QPixmap& bitmap)
{
    fond_ = bitmap;
    update();
}

void TGraphicGauge::setKind(int kind)
{
    if (kind != horizontalKind)
        throw dds::valueNotBetween(horizontalKind, horizontalKind);
}

int TGraphicGauge::PercentDone() const
{
    return dds::gaugePercent(progress_, minValue_, maxValue_);
}

int TGraphicGauge::FillWidth() const
{
    return dds::gaugeFillWidth(PercentDone(), std::max(0, width() - 2));
}

void TGraphicGauge::paintEvent(QPaintEvent*)
{
    // Composed off-screen and copied in one operation, so the gauge never flickers while a
    // transfer moves it block by block.
    QPixmap frame(size());
    frame.fill(Qt::white);
    QPainter canvas(&frame);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (!fond_.isNull())
        canvas.drawTiledPixmap(inside, fond_);
    const QRect fill(inside.left(), inside.top(), FillWidth(), inside.height());
    if (brosse_.isNull())
        canvas.fillRect(fill, Qt::black);
    else
        canvas.drawTiledPixmap(fill, brosse_);
    canvas.setPen(Qt::black);
    canvas.drawLine(0, 0, width() - 1, 0);
    canvas.drawLine(0, 0, 0, height() - 1);
    canvas.setPen(Qt::white);
    canvas.drawLine(0, height() - 1, width() - 1, height() - 1);
    canvas.drawLine(width() - 1, 0, width() - 1, height() - 1);
    canvas.end();
    QPainter(this).drawPixmap(0, 0, frame);
}
