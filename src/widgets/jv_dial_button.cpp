#include "widgets/jv_dial_button.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "widgets/widget_errors.h"

namespace {

// Unit vector of an angle in tenths of a degree, clockwise from straight down on screen.
QPointF direction(int tenths)
{
    const double radians = tenths / 10.0 * std::numbers::pi / 180.0;
    return {-std::sin(radians), std::cos(radians)};
}

} // namespace

TJvDialButton::TJvDialButton(QWidget* parent)
    : QWidget(parent), modifierSource_([] { return QGuiApplication::queryKeyboardModifiers(); })
{
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
    connect(&repeatTimer_, &QTimer::timeout, this, &TJvDialButton::stepBeside);
}

void TJvDialButton::setMin(int value)
{
    if (value > range_.max)
        throw dds::propertyOutOfRange("TJvDialButton");
    dds::DialRange range = range_;
    range.min = value;
    applyRange(range, position_);
}

void TJvDialButton::setMax(int value)
{
    if (value < range_.min)
        throw dds::propertyOutOfRange("TJvDialButton");
    dds::DialRange range = range_;
    range.max = value;
    applyRange(range, position_);
}

void TJvDialButton::setPosition(int value)
{
    applyRange(range_, value);
}

void TJvDialButton::applyRange(const dds::DialRange& range, int position)
{
    const int limited = std::clamp(position, range.min, range.max);
    const bool changed = range.min != range_.min || range.max != range_.max || limited != position_;
    range_ = range;
    position_ = limited;
    if (!changed)
        return;
    update();
    emit OnChange();
}

void TJvDialButton::setMinAngle(int tenths)
{
    range_.minAngle = tenths;
    update();
}

void TJvDialButton::setMaxAngle(int tenths)
{
    range_.maxAngle = tenths;
    update();
}

void TJvDialButton::setFrequency(int value)
{
    frequency_ = value;
    update();
}

void TJvDialButton::setRadius(int value)
{
    radius_ = value;
    updateGeometry();
    update();
}

void TJvDialButton::setButtonEdge(int percent)
{
    buttonEdge_ = percent;
    update();
}

void TJvDialButton::setPointerShape(TJvPointerShape shape)
{
    pointerShape_ = shape;
    update();
}

void TJvDialButton::setPointerSize(int percent)
{
    pointerSize_ = percent;
    update();
}

void TJvDialButton::setPointerColorOn(const QColor& color)
{
    pointerColorOn_ = color;
    update();
}

void TJvDialButton::setPointerColorOff(const QColor& color)
{
    pointerColorOff_ = color;
    update();
}

void TJvDialButton::setOn(bool on)
{
    on_ = on;
    update();
}

void TJvDialButton::setModifierSource(std::function<Qt::KeyboardModifiers()> source)
{
    modifierSource_ = std::move(source);
}

QSize TJvDialButton::sizeHint() const
{
    const int side = 2 * radius_ + 23;
    return {side, side};
}

int TJvDialButton::stepFrom(int position, bool up, Qt::KeyboardModifiers modifiers) const
{
    if (modifiers & Qt::ControlModifier)
        return up ? range_.max : range_.min;
    const int step = (modifiers & Qt::ShiftModifier) ? largeChange_ : smallChange_;
    return up ? position + step : position - step;
}

void TJvDialButton::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        setPosition(stepFrom(position_, true, modifiers));
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        setPosition(stepFrom(position_, false, modifiers));
        break;
    case Qt::Key_PageUp:
        setPosition(position_ + largeChange_);
        break;
    case Qt::Key_PageDown:
        setPosition(position_ - largeChange_);
        break;
    case Qt::Key_End:
        setPosition(range_.max);
        break;
    case Qt::Key_Home:
        setPosition(range_.min);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TJvDialButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    const QPoint pointer = event->position().toPoint();
    if (dds::dialInCentralButton(pointer.x(), pointer.y(), radius_, buttonEdge_)) {
        dragging_ = true;
        return;
    }
    const int centre = dds::dialCentre(radius_);
    stepUp_ = dds::dialPointerAngle(pointer.x(), pointer.y(), centre, centre) >= Angle();
    setPosition(stepFrom(position_, stepUp_, event->modifiers()));
    repeatTimer_.start(repeatDelay_);
}

void TJvDialButton::stepBeside()
{
    repeatTimer_.setInterval(repeatRate_);
    setPosition(stepFrom(position_, stepUp_, modifierSource_()));
}

void TJvDialButton::turnTowards(QPoint pointer)
{
    const int centre = dds::dialCentre(radius_);
    setPosition(dds::dialAngleToPosition(range_, dds::dialPointerAngle(pointer.x(), pointer.y(), centre, centre)));
}

void TJvDialButton::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        turnTowards(event->position().toPoint());
}

void TJvDialButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    repeatTimer_.stop();
    dragging_ = false;
    if (rect().contains(event->position().toPoint()))
        setOn(!on_);
}

void TJvDialButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(dds::dialCentre(radius_) + 0.5, dds::dialCentre(radius_) + 0.5);
    paintTicks(painter, centre);
    paintFace(painter, centre);
    paintPointer(painter, centre);
}

void TJvDialButton::paintTicks(QPainter& painter, QPointF centre) const
{
    // One tick every Frequency positions, outside the face.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const int tickStep = std::max(1, frequency_);
    for (long long value = range_.min; value <= range_.max; value += tickStep) {
        const QPointF d = direction(dds::dialPositionToAngle(range_, static_cast<int>(value)));
        painter.drawLine(centre + d * (radius_ + 3), centre + d * (radius_ + 8));
    }
}

void TJvDialButton::paintFace(QPainter& painter, QPointF centre) const
{
    QRadialGradient face(centre - QPointF(radius_ / 3.0, radius_ / 3.0), radius_ * 1.6);
    face.setColorAt(0, palette().color(QPalette::Light));
    face.setColorAt(1, palette().color(QPalette::Mid));
    painter.setPen(QPen(palette().color(QPalette::Shadow), 1));
    painter.setBrush(face);
    painter.drawEllipse(centre, radius_, radius_);

    const int button = dds::dialButtonHalfSide(radius_, buttonEdge_);
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawEllipse(centre, button, button);
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawEllipse(centre, button - 2, button - 2);
    }
}

void TJvDialButton::paintPointer(QPainter& painter, QPointF centre) const
{
    // A disabled knob greys its pointer as every other control greys its marks.
    const QColor colour = !isEnabled() ? palette().color(QPalette::Disabled, QPalette::WindowText)
                          : on_        ? pointerColorOn_
                                       : pointerColorOff_;
    const QPointF d = direction(Angle());
    const QPointF across(-d.y(), d.x());
    const double length = (radius_ - 2) * pointerSize_ / 100.0;
    const QPointF tip = centre + d * (radius_ - 2);
    const QPointF base = tip - d * length;
    painter.setPen(QPen(colour, 2));
    painter.setBrush(colour);
    switch (pointerShape_) {
    case psLine:
        painter.drawLine(base, tip);
        break;
    case psTriangle: {
        const double half = std::max(2.0, length / 2.2);
        painter.drawPolygon(QPolygonF({tip, base + across * half, base - across * half}));
        break;
    }
    case psDot:
        painter.drawEllipse(tip - d * (length / 2), length / 4, length / 4);
        break;
    }
}
