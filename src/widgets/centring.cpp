#include "widgets/centring.h"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace dds {

void CentreIn(QWidget& control, const QWidget& container)
{
    control.move(CentredLeft(container.width(), control.width()), control.y());
}

void SetCentredText(QLabel& label, const QString& text, const QWidget& container)
{
    label.setText(text);
    label.adjustSize();
    CentreIn(label, container);
}

} // namespace dds
