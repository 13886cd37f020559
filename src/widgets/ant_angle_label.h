#pragma once
#include <QLabel>

#include "widgets/angle_direction.h"

// A transparent label whose text is drawn turned by a multiple of 45 degrees (counter-clockwise,
// 90 reads upward). The label sizes itself to the turned text.
class TantAngleLabel : public QLabel {
    Q_OBJECT
public:
    explicit TantAngleLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    int Angle() const { return dds::degreesOf(direction_); }
    void setAngle(int degrees);
    TAngleDirection AngleDirection() const { return direction_; }
    void setAngleDirection(TAngleDirection direction);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRectF turnedTextBounds() const;

    TAngleDirection direction_ = adEast;
};
