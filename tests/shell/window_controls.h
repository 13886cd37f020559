#pragma once
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <stdexcept>
#include <string>

#include "widgets/double_speed.h"

// A control of a window as a test finds it: by its object name, which is the design's name
// ("SpeedButton10", "RxSlider3", "Timer2", "Form2"). Throws when there is none of that type.
template <class Control = QWidget>
Control* Find(const QObject& window, const char* name)
{
    Control* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        throw std::logic_error(std::string("no ") + Control::staticMetaObject.className() + " named " + name);
    return control;
}

// One tick of a window timer, as if its interval had just passed.
inline void Tick(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

// The range button of range 1..7 ("DoubleSpeed1" .. "DoubleSpeed7").
inline TDoubleSpeed* RangeButton(const QObject& window, int range)
{
    return Find<TDoubleSpeed>(window, ("DoubleSpeed" + std::to_string(range)).c_str());
}

// The preset button of waveform kind 1..12: "DoubleSpeed8" .. "DoubleSpeed17", then "DoubleSpeed19"
// (frequency modulation) and "DoubleSpeed20" (white noise); "DoubleSpeed18" is the draw button.
inline TDoubleSpeed* PresetButton(const QObject& window, int kind)
{
    static constexpr int kNumbers[] = {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20};
    return Find<TDoubleSpeed>(window, ("DoubleSpeed" + std::to_string(kNumbers[kind - 1])).c_str());
}
