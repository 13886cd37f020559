#include "widgets/rx_slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "widgets/slider_geometry.h"
#include "widgets/widget_errors.h"

namespace {

constexpr int thumbLength = 11;  // along the rail
constexpr int maxPointMarks = 60; // beyond this the marks would merge into a line

} // namespace

TRxSlider::TRxSlider(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
    connect(&railTimer_, &QTimer::timeout, this, &TRxSlider::railStep);
}

void TRxSlider::setMinValue(int value)
{
    // The range never inverts: a lower bound above the upper one carries the upper one with it.
    minValue_ = value;
    maxValue_ = std::max(maxValue_, value);
    setValue(value_);
    update();
}

void TRxSlider::setMaxValue(int value)
{
    maxValue_ = value;
    minValue_ = std::min(minValue_, value);
    setValue(value_);
    update();
}

void TRxSlider::setValue(int value)
{
    const int limited = std::clamp(value, minValue_, maxValue_);
    if (limited == value_)
        return;
    value_ = limited;
    update();
    emit OnChange();
}

void TRxSlider::setIncrement(int value)
{
    const long long span = static_cast<long long>(maxValue_) - minValue_;
    if (value < 1 || value > span)
        throw dds::valueNotBetween(1, span);
    increment_ = value;
    update();
}

void TRxSlider::setOrientation(TSliderOrientation orientation)
{
    orientation_ = orientation;
    update();
}

void TRxSlider::setOptions(TSliderOptions options)
{
    options_ = options;
    update();
}

QSize TRxSlider::sizeHint() const
{
    return orientation_ == soHorizontal ? QSize(150, 40) : QSize(40, 150);
}

int TRxSlider::railLength() const
{
    const int along = orientation_ == soHorizontal ? width() : height();
    return std::max(0, along - thumbLength);
}

QRect TRxSlider::thumbRect() const
{
    const int offset = dds::sliderOffsetOfValue(value_, railLength(), minValue_, maxValue_);
    if (orientation_ == soHorizontal) {
        const int across = std::min(height() - 4, 24);
        return {offset, (height() - across) / 2, thumbLength, across};
    }
    const int across = std::min(width() - 4, 24);
    return {(width() - across) / 2, railLength() - offset, across, thumbLength};
}

int TRxSlider::offsetAlongRail(QPoint pointer) const
{
    if (orientation_ == soHorizontal)
        return pointer.x() - grabOffset_;
    return railLength() - (pointer.y() - grabOffset_);
}

int TRxSlider::sideOfThumb(QPoint pointer) const
{
    const QRect thumb = thumbRect();
    if (orientation_ == soHorizontal)
        return pointer.x() < thumb.left() ? -1 : pointer.x() > thumb.right() ? 1 : 0;
    return pointer.y() > thumb.bottom() ? -1 : pointer.y() < thumb.top() ? 1 : 0;
}

void TRxSlider::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return QWidget::keyPressEvent(event);
    const bool horizontal = orientation_ == soHorizontal;
    const int key = event->key();
    if (key == Qt::Key_Home)
        setValue(minValue_);
    else if (key == Qt::Key_End)
        setValue(maxValue_);
    else if (key == (horizontal ? Qt::Key_Right : Qt::Key_Up))
        setValue(dds::sliderStep(value_, true, minValue_, maxValue_, increment_));
    else if (key == (horizontal ? Qt::Key_Left : Qt::Key_Down))
        setValue(dds::sliderStep(value_, false, minValue_, maxValue_, increment_));
    else
        return QWidget::keyPressEvent(event);
    emit OnChanged();
}

void TRxSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    lastPointer_ = event->position().toPoint();
    const QRect thumb = thumbRect();
    if (thumb.contains(lastPointer_)) {
        action_ = Action::Drag;
        grabOffset_ = orientation_ == soHorizontal ? lastPointer_.x() - thumb.left() : lastPointer_.y() - thumb.top();
        return;
    }
    action_ = Action::Rail;
    railSide_ = sideOfThumb(lastPointer_);
    railStep();
    railTimer_.start(railRepeatMs);
}

void TRxSlider::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click starts nothing; the first one already acted.
    event->accept();
}

void TRxSlider::railStep()
{
    if (sideOfThumb(lastPointer_) != railSide_ || railSide_ == 0) {
        railTimer_.stop();
        return;
    }
    setValue(dds::sliderStep(value_, railSide_ > 0, minValue_, maxValue_, increment_));
}

void TRxSlider::mouseMoveEvent(QMouseEvent* event)
{
    lastPointer_ = event->position().toPoint();
    if (action_ != Action::Drag)
        return;
    const int offset = std::clamp(offsetAlongRail(lastPointer_), 0, railLength());
    setValue(dds::sliderValueAtOffset(offset, railLength(), minValue_, maxValue_, increment_,
                                      options_.testFlag(soSmooth)));
}

void TRxSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && action_ != Action::None) {
        railTimer_.stop();
        action_ = Action::None;
        emit OnChanged();
    }
    emit OnMouseUp();
}

void TRxSlider::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TRxSlider::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TRxSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintRail(painter);
    if (options_.testFlag(soShowPoints) && increment_ > 0)
        paintPoints(painter);
    paintThumb(painter);
    if (options_.testFlag(soShowFocus) && hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TRxSlider::paintRail(QPainter& painter) const
{
    const int half = thumbLength / 2;
    const QRect groove = orientation_ == soHorizontal ? QRect(half, height() / 2 - 2, railLength(), 4)
                                                      : QRect(width() / 2 - 2, half, 4, railLength());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(groove);
}

void TRxSlider::paintPoints(QPainter& painter) const
{
    const bool horizontal = orientation_ == soHorizontal;
    const int half = thumbLength / 2;
    const long long marks = (static_cast<long long>(maxValue_) - minValue_) / increment_;
    const long long every = std::max<long long>(1, (marks + maxPointMarks - 1) / maxPointMarks) * increment_;
    painter.setPen(palette().color(QPalette::WindowText));
    for (long long v = minValue_; v <= maxValue_; v += every) {
        const int offset = dds::sliderOffsetOfValue(static_cast<int>(v), railLength(), minValue_, maxValue_);
        // Marks sit under the thumb's centre; a vertical rail counts from the bottom.
        const int at = horizontal ? half + offset : railLength() - offset + half;
        if (horizontal)
            painter.drawLine(at, height() - 3, at, height() - 1);
        else
            painter.drawLine(width() - 3, at, width() - 1, at);
    }
}

void TRxSlider::paintThumb(QPainter& painter) const
{
    const QRect thumb = thumbRect();
    painter.fillRect(thumb, palette().color(isEnabled() ? QPalette::Button : QPalette::Window));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(thumb.topLeft(), thumb.topRight());
    painter.drawLine(thumb.topLeft(), thumb.bottomLeft());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(thumb.bottomLeft(), thumb.bottomRight());
    painter.drawLine(thumb.topRight(), thumb.bottomRight());
}
