#include "widgets/caption_group_box.h"

#include <QPainter>
#include <QStyle>

CaptionGroupBox::CaptionGroupBox(QWidget* parent) : QGroupBox(parent)
{
    setAutoFillBackground(true); // like a panel, nothing behind the group shows through it
}

QRect CaptionGroupBox::frameRect() const
{
    const int top = kCaptionHeight / 2 - 1;
    return {0, top, width(), height() - top};
}

QRect CaptionGroupBox::insideFrame() const
{
    return frameRect().adjusted(kFrameLine, kFrameLine, -kFrameLine, -kFrameLine);
}

QRect CaptionGroupBox::captionRect() const
{
    if (title().isEmpty())
        return {};
    return {kCaptionLeft, 0, fontMetrics().horizontalAdvance(title()), kCaptionHeight};
}

void CaptionGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Etched: a shadow line with a highlight line one pixel right of and below it.
    const QRect frame = frameRect();
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -2, -2));

    const QRect caption = captionRect();
    if (caption.isEmpty())
        return;
    painter.fillRect(caption, palette().color(QPalette::Window));
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}
