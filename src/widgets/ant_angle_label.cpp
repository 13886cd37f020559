#include "widgets/ant_angle_label.h"

#include <QEvent>
#include <QPainter>
#include <QTransform>
#include <cmath>

namespace {

QTransform turning(int degrees)
{
    QTransform transform;
    transform.rotate(-degrees);
    return transform;
}

} // namespace

TantAngleLabel::TantAngleLabel(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(14);
    setFont(arial);
}

void TantAngleLabel::setCaption(const QString& caption)
{
    setText(caption);
    resize(sizeHint());
    update();
}

void TantAngleLabel::setAngle(int degrees)
{
    setAngleDirection(dds::angleDirectionOf(degrees));
}

void TantAngleLabel::setAngleDirection(TAngleDirection direction)
{
    direction_ = direction;
    resize(sizeHint());
    update();
}

QRectF TantAngleLabel::turnedTextBounds() const
{
    const QFontMetrics metrics(font());
    const QRectF flat(0, 0, metrics.horizontalAdvance(text()), metrics.height());
    return turning(Angle()).mapRect(flat);
}

QSize TantAngleLabel::sizeHint() const
{
    const QRectF bounds = turnedTextBounds();
    return {static_cast<int>(std::ceil(bounds.width())), static_cast<int>(std::ceil(bounds.height()))};
}

void TantAngleLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        resize(sizeHint());
        update();
    }
    QLabel::changeEvent(event);
}

void TantAngleLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRectF bounds = turnedTextBounds();
    painter.translate(-bounds.topLeft());
    painter.setTransform(turning(Angle()), true);
    const QFontMetrics metrics(font());
    painter.drawText(QPointF(0, metrics.ascent()), text());
}
