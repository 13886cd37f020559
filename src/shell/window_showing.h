#pragma once
#include <Qt>

class QFrame;
class QWidget;

namespace dds {

// Secondary windows are only ever shown on top of all others and hidden back to normal style.
void ShowOnTop(QWidget& window);
void HideToNormal(QWidget& window);
// A top-level window owned by its parent (transient for it on X11, owned on Windows: no taskbar
// entry of its own, kept with it by the desktop) that never keeps the program running once the main
// window has closed, and that hands the keyboard back to its parent when it hides while holding it.
void MakeSecondaryWindow(QWidget& window, Qt::WindowFlags frame);
// A borderless secondary window with a fixed client size, centred on the desktop.
void MakeFixedFrameless(QWidget& window, int clientWidth, int clientHeight);
// Centred in the available area of the screen the window is on; the main window and the secondary
// windows alike.
void CentreOnDesktop(QWidget& window);
// A panel with a lowered 3-pixel bevel filling the window.
QFrame* MakeLoweredPanel(QWidget* window);

} // namespace dds
