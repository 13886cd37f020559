#include "shell/status_clock.h"

namespace dds {

namespace {

QString PaddedAfter(const char* separator, uint16_t value, const QString& text)
{
    return QString::fromLatin1(separator) + (value < 10 ? QStringLiteral("0") : QString()) + text;
}

} // namespace

ClockSource SystemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

ClockFields DecodeClock(const QDateTime& dateTime)
{
    ClockFields clock;
    clock.dateTime = dateTime;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    clock.year = static_cast<uint16_t>(date.year());
    clock.month = static_cast<uint16_t>(date.month());
    clock.day = static_cast<uint16_t>(date.day());
    clock.hour = static_cast<uint16_t>(time.hour());
    clock.minute = static_cast<uint16_t>(time.minute());
    clock.second = static_cast<uint16_t>(time.second());
    clock.millisecond = static_cast<uint16_t>(time.msec());
    clock.yearText = QString::number(clock.year);
    clock.monthText = QString::number(clock.month);
    clock.dayText = QString::number(clock.day);
    clock.hourText = QString::number(clock.hour);
    clock.minuteText = QString::number(clock.minute);
    clock.secondText = QString::number(clock.second);
    return clock;
}

QString StatusTimeText(const ClockFields& clock)
{
    return QStringLiteral("  ") + clock.hourText + PaddedAfter(":", clock.minute, clock.minuteText)
         + PaddedAfter(":", clock.second, clock.secondText) + QStringLiteral("  ");
}

QString StatusDateText(const ClockFields& clock)
{
    return PaddedAfter("  ", clock.day, clock.dayText) + PaddedAfter("/", clock.month, clock.monthText)
         + QStringLiteral("/") + clock.yearText + QStringLiteral("  ");
}

} // namespace dds
