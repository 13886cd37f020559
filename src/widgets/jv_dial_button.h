#pragma once
#include <QColor>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "widgets/dial_geometry.h"

enum TJvPointerShape { psLine, psTriangle, psDot };

// The dial knob: an integer position in [Min, Max] shown as a pointer between MinAngle and MaxAngle.
// Dragging from the central button turns it; pressing beside the button steps it, repeating while
// held; keys step it when focused; a click toggles its on/off state.
class TJvDialButton : public QWidget {
    Q_OBJECT
public:
    explicit TJvDialButton(QWidget* parent = nullptr);

    int Min() const { return range_.min; }
    void setMin(int value);
    int Max() const { return range_.max; }
    void setMax(int value);
    int Position() const { return position_; }
    void setPosition(int value);
    int MinAngle() const { return range_.minAngle; }
    void setMinAngle(int tenths);
    int MaxAngle() const { return range_.maxAngle; }
    void setMaxAngle(int tenths);

    int SmallChange() const { return smallChange_; }
    void setSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void setLargeChange(int value) { largeChange_ = value; }
    int RepeatDelay() const { return repeatDelay_; }
    void setRepeatDelay(int ms) { repeatDelay_ = ms; }
    int RepeatRate() const { return repeatRate_; }
    void setRepeatRate(int ms) { repeatRate_ = ms; }
    int Frequency() const { return frequency_; }
    void setFrequency(int value);

    int Radius() const { return radius_; }
    void setRadius(int value);
    int ButtonEdge() const { return buttonEdge_; }
    void setButtonEdge(int percent);
    TJvPointerShape PointerShape() const { return pointerShape_; }
    void setPointerShape(TJvPointerShape shape);
    int PointerSize() const { return pointerSize_; }
    void setPointerSize(int percent);
    QColor PointerColorOn() const { return pointerColorOn_; }
    void setPointerColorOn(const QColor& color);
    QColor PointerColorOff() const { return pointerColorOff_; }
    void setPointerColorOff(const QColor& color);
    bool On() const { return on_; }
    void setOn(bool on);

    // The current pointer angle in tenths of a degree.
    int Angle() const { return dds::dialPositionToAngle(range_, position_); }

    // Where the repeating press-beside step reads Shift and Ctrl; tests replace it.
    void setModifierSource(std::function<Qt::KeyboardModifiers()> source);

    QSize sizeHint() const override;

signals:
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyRange(const dds::DialRange& range, int position);
    void stepBeside();
    int stepFrom(int position, bool up, Qt::KeyboardModifiers modifiers) const;
    void turnTowards(QPoint pointer);
    void paintTicks(QPainter& painter, QPointF centre) const;
    void paintFace(QPainter& painter, QPointF centre) const;
    void paintPointer(QPainter& painter, QPointF centre) const;

    dds::DialRange range_;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 2;
    int repeatDelay_ = 400;
    int repeatRate_ = 100;
    int frequency_ = 10;
    int radius_ = 25;
    int buttonEdge_ = 20;
    TJvPointerShape pointerShape_ = psTriangle;
    int pointerSize_ = 50;
    QColor pointerColorOn_ = Qt::red;
    QColor pointerColorOff_ = Qt::red;
    bool on_ = false;

    bool dragging_ = false;
    bool stepUp_ = false;
    QTimer repeatTimer_;
    std::function<Qt::KeyboardModifiers()> modifierSource_;
};
