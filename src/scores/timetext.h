// Time text: a number of seconds as the status bar, the congratulations and the scoreboard
// show it.
#pragma once

#include <QString>
#include <cstdint>

enum class TimeStyle {
    Clock,      // "4:05" or "1:02:05", the hours never cut: the status bar's
    TimeTaken,  // "1 hrs, 2 mins, 5 secs", "1 mins, 15 secs" or "5 secs": the congratulations'
    Scoreboard, // "01 hrs 02 mins 05 secs", "18 mins 31 secs" or "05 secs"
};

// The sentences drop whole days: past 24 hours only the hours of the last day show. A
// negative number (a damaged score row) shows as its seconds.
QString timeText(std::int64_t seconds, TimeStyle style);
