#pragma once
#include <QFlags>
#include <QPainter>
#include <QTimer>
#include <QWidget>

enum TSliderOrientation { soHorizontal, soVertical };

enum TSliderOption { soShowFocus = 0x1, soShowPoints = 0x2, soSmooth = 0x4 };
Q_DECLARE_FLAGS(TSliderOptions, TSliderOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSliderOptions)

// The slider: an integer Value in [MinValue, MaxValue] moved by dragging the thumb, pressing the
// rail beside it (repeating while held) or keys. OnChange fires at every new value, OnChanged once
// at the end of each operator action.
class TRxSlider : public QWidget {
    Q_OBJECT
public:
    explicit TRxSlider(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    void setMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void setMaxValue(int value);
    int Value() const { return value_; }
    void setValue(int value);
    int Increment() const { return increment_; }
    void setIncrement(int value);
    TSliderOrientation Orientation() const { return orientation_; }
    void setOrientation(TSliderOrientation orientation);
    TSliderOptions Options() const { return options_; }
    void setOptions(TSliderOptions options);

    // The thumb's rectangle and the rail length it travels, for the current size.
    QRect thumbRect() const;
    int railLength() const;

    QSize sizeHint() const override;

    // Milliseconds between the repeated steps of a held rail press.
    static constexpr int railRepeatMs = 400;

signals:
    void OnChange();
    void OnChanged();
    void OnMouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Action { None, Drag, Rail };

    int offsetAlongRail(QPoint pointer) const;
    int sideOfThumb(QPoint pointer) const;
    void railStep();
    void paintRail(QPainter& painter) const;
    void paintPoints(QPainter& painter) const;
    void paintThumb(QPainter& painter) const;

    int minValue_ = 0;
    int maxValue_ = 100;
    int value_ = 0;
    int increment_ = 10;
    TSliderOrientation orientation_ = soHorizontal;
    TSliderOptions options_ = TSliderOptions(soShowFocus) | soShowPoints | soSmooth;

    Action action_ = Action::None;
    int grabOffset_ = 0;
    int railSide_ = 0;
    QPoint lastPointer_;
    QTimer railTimer_;
};
