#include "shell/window_showing.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace dds {

namespace {

// When the window with the keyboard hides, Qt forgets its active window at once but learns the next
// one only when the desktop reports it (a desktop without a window manager never does). A hidden
// secondary window meanwhile still holds the focus, and being transient for the main window it even
// makes the main window count as active, while the main window's shortcuts match nothing. The main
// window takes the keyboard back at once, in Qt and from the desktop.
class KeyboardHandBack : public QObject {
public:
    explicit KeyboardHandBack(QWidget& window) : QObject(&window), window_(window) { window_.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Hide && !event->spontaneous())
            handBack();
        return false;
    }

private:
    void handBack() const
    {
        QWidget* owner = window_.parentWidget();
        const QWindow* native = window_.windowHandle();
        if (!owner || !owner->isVisible() || !native || QGuiApplication::focusWindow() != native)
            return;
        QApplication::setActiveWindow(owner);
        owner->activateWindow();
    }

    QWidget& window_;
};

} // namespace

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
    // A dialog is what both desktops keep with its owner: Windows makes the main window its owner,
    // and Qt's X11 platform names the main window in WM_TRANSIENT_FOR (for a plain window it does not,
    // and a taskbar would list it). A dialog here is only a window type: nothing is modal.
    window.setWindowFlags(Qt::Dialog | frame);
    window.setAttribute(Qt::WA_QuitOnClose, false);
    new KeyboardHandBack(window);
}

void MakeFixedFrameless(QWidget& window, int clientWidth, int clientHeight)
{
    MakeSecondaryWindow(window, Qt::FramelessWindowHint);
    window.setFixedSize(clientWidth, clientHeight);
    CentreOnDesktop(window);
}

void CentreOnDesktop(QWidget& window)
{
    // The screen the window is on: the primary one for a window not shown yet, its parent's for a
    // secondary window.
    const QScreen* screen = window.screen();
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
