#include "widgets/panel_status_bar.h"

#include <QLabel>
#include <QResizeEvent>
#include <stdexcept>
#include <string>

PanelStatusBar::PanelStatusBar(std::initializer_list<int> panelWidths, QWidget* parent) : QFrame(parent)
{
    // The bar covers what lies below it in the window, so it must not let that show through.
    setAutoFillBackground(true);
    int left = 0;
    for (const int width : panelWidths) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(left, 0, width, height());
        panels_.push_back(label);
        left += width;
    }
}

QLabel* PanelStatusBar::panel(int index) const
{
    if (index < 0 || index >= panelCount())
        throw std::out_of_range("status bar panel " + std::to_string(index) + " does not exist");
    return panels_[static_cast<std::size_t>(index)];
}

int PanelStatusBar::panelWidth(int index) const
{
    return panel(index)->width();
}

QString PanelStatusBar::panelText(int index) const
{
    return panel(index)->text();
}

void PanelStatusBar::setPanelText(int index, const QString& text)
{
    panel(index)->setText(text);
}

void PanelStatusBar::resizeEvent(QResizeEvent* event)
{
    for (QLabel* label : panels_)
        label->resize(label->width(), event->size().height());
    QFrame::resizeEvent(event);
}
