#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

namespace dds {

// Where the window reads the current date and time; tests install a fixed one.
using ClockSource = std::function<QDateTime()>;
ClockSource SystemClock();

// The last reading of the clock, decoded, with the decimal texts (no leading zeros) that the status
// bar and the proposed waveform file name are built from.
struct ClockFields {
    QDateTime dateTime;
    uint16_t year = 0, month = 0, day = 0;
    uint16_t hour = 0, minute = 0, second = 0, millisecond = 0;
    QString yearText, monthText, dayText, hourText, minuteText, secondText;
};

ClockFields DecodeClock(const QDateTime& dateTime);

// "  4:05:09  ": the hour unpadded, minute and second padded to two digits, two spaces each side.
QString StatusTimeText(const ClockFields& clock);
// "  07/12/2026  ": day and month padded to two digits, two spaces each side.
QString StatusDateText(const ClockFields& clock);

} // namespace dds
