// Time text: a number of seconds as the status bar, the congratulations and the scoreboard
// show it.
#include "timetext.h"

#include <QCoreApplication>

namespace {
constexpr std::int64_t SecondsPerHour = 3600;
constexpr std::int64_t SecondsPerDay = 24 * SecondsPerHour;

struct TimeParts {
    std::int64_t hours;
    std::int64_t minutes;
    std::int64_t seconds;
};

TimeParts partsOf(std::int64_t t, bool dropDays)
{
    const std::int64_t days = dropDays ? t / SecondsPerDay : 0;
    return {t / SecondsPerHour - 24 * days, t / 60 - 60 * (t / SecondsPerHour), t - 60 * (t / 60)};
}

QString twoDigits(std::int64_t value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString clockText(const TimeParts& t)
{
    const QString minutesAndSeconds = QLatin1Char(':') + twoDigits(t.seconds);
    if (t.hours == 0)
        return QString::number(t.minutes) + minutesAndSeconds;
    return QString::number(t.hours) + QLatin1Char(':') + twoDigits(t.minutes) + minutesAndSeconds;
}

QString timeTakenText(const TimeParts& t)
{
    if (t.hours != 0)
        return QCoreApplication::translate("ScoreTables", "%1 hrs, %2 mins, %3 secs")
            .arg(t.hours)
            .arg(t.minutes)
            .arg(t.seconds);
    if (t.minutes != 0)
        return QCoreApplication::translate("ScoreTables", "%1 mins, %2 secs")
            .arg(t.minutes)
            .arg(t.seconds);
    return QCoreApplication::translate("ScoreTables", "%1 secs").arg(t.seconds);
}

QString scoreboardText(const TimeParts& t)
{
    if (t.hours > 0)
        return QCoreApplication::translate("ScoreTables", "%1 hrs %2 mins %3 secs")
            .arg(twoDigits(t.hours), twoDigits(t.minutes), twoDigits(t.seconds));
    if (t.minutes > 0)
        return QCoreApplication::translate("ScoreTables", "%1 mins %2 secs")
            .arg(twoDigits(t.minutes), twoDigits(t.seconds));
    return QCoreApplication::translate("ScoreTables", "%1 secs").arg(twoDigits(t.seconds));
}
} // namespace

QString timeText(std::int64_t seconds, TimeStyle style)
{
    switch (style) {
    case TimeStyle::Clock:
        return clockText(partsOf(seconds, false));
    case TimeStyle::TimeTaken:
        return timeTakenText(partsOf(seconds, true));
    case TimeStyle::Scoreboard:
        break;
    }
    return scoreboardText(partsOf(seconds, true));
}
