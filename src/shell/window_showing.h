#pragma once

class QFrame;
class QWidget;

namespace dds {

// Secondary windows are only ever shown on top of all others and hidden back to normal style.
void ShowOnTop(QWidget& window);
void HideToNormal(QWidget& window);
// A borderless window with a fixed client size, centred on the desktop.
void MakeFixedFrameless(QWidget& window, int clientWidth, int clientHeight);
void CentreOnDesktop(QWidget& window);
// A panel with a lowered 3-pixel bevel filling the window.
QFrame* MakeLoweredPanel(QWidget* window);

} // namespace dds
