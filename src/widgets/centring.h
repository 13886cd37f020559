#pragma once
class QLabel;
class QString;
class QWidget;

namespace dds {

// Left edge that centres a control in its container; integer division truncating toward zero, so
// an over-wide control gets a negative left edge.
constexpr int CentredLeft(int containerWidth, int controlWidth)
{
    return (containerWidth - controlWidth) / 2;
}

// Moves `control` to the centred left edge in `container`, keeping its top.
void CentreIn(QWidget& control, const QWidget& container);

// A label whose text changes sizes itself to the new text and is re-centred in its container.
void SetCentredText(QLabel& label, const QString& text, const QWidget& container);

} // namespace dds
