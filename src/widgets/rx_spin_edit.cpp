#include "widgets/rx_spin_edit.h"

#include <QLineEdit>

#include "widgets/spin_text.h"

TRxSpinEdit::TRxSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &TRxSpinEdit::OnChange);
    lineEdit()->setText(QStringLiteral("0"));
}

int TRxSpinEdit::Value() const
{
    return dds::spinValueOfText(text(), minValue_, maxValue_);
}

void TRxSpinEdit::setValue(int value)
{
    setText(QString::number(dds::spinLimited(value, minValue_, maxValue_)));
}

void TRxSpinEdit::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void TRxSpinEdit::stepBy(int steps)
{
    const long long stepped = static_cast<long long>(Value()) + static_cast<long long>(steps) * increment_;
    setValue(dds::spinLimited(stepped, minValue_, maxValue_));
}

QValidator::State TRxSpinEdit::validate(QString&, int&) const
{
    // Any text may be typed; reading the value decides what it means.
    return QValidator::Acceptable;
}
