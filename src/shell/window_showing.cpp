#include "shell/window_showing.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace dds {

void ShowOnTop(QWidget& window)
{
    // Changing a flag re-creates the native window, so it is done while the window is hidden.
    if (!window.isVisible())
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.show();
}

void HideToNormal(QWidget& window)
{
    window.hide();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, false);
}

void MakeSecondaryWindow(QWidget& window, Qt::WindowFlags frame)
{
    window.setWindowFlags(Qt::Window | frame);
    window.setAttribute(Qt::WA_QuitOnClose, false);
}

void MakeFixedFrameless(QWidget& window, int clientWidth, int clientHeight)
{
    MakeSecondaryWindow(window, Qt::FramelessWindowHint);
    window.setFixedSize(clientWidth, clientHeight);
    CentreOnDesktop(window);
}

void CentreOnDesktop(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    window.move(desktop.center() - QPoint(window.width() / 2, window.height() / 2));
}

QFrame* MakeLoweredPanel(QWidget* window)
{
    auto* panel = new QFrame(window);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(3);
    panel->setGeometry(window->rect());
    return panel;
}

} // namespace dds
