#pragma once
#include <QAbstractSpinBox>

// A whole-number edit box with two small step buttons. The value is whatever the text reads as; a
// text that holds no whole number reads as MinValue. Steps and arrow keys add or subtract
// Increment and write the result as text. OnChange fires at every change of the text.
class TRxSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TRxSpinEdit(QWidget* parent = nullptr);

    int Value() const;
    void setValue(int value);
    int MinValue() const { return minValue_; }
    void setMinValue(int value) { minValue_ = value; }
    int MaxValue() const { return maxValue_; }
    void setMaxValue(int value) { maxValue_ = value; }
    int Increment() const { return increment_; }
    void setIncrement(int value) { increment_ = value; }
    QString Text() const { return text(); }
    void setText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    void OnChange();

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
};
