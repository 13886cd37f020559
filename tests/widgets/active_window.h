#pragma once
#include <QTest>
#include <QWidget>

// Shows a widget as the active window, so that focus behaves as on a desktop.
inline bool showActive(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    return QTest::qWaitForWindowActive(&widget);
}
