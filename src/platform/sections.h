// Profile sections: the name of every section of the settings file, in one place.
#pragma once

#include <QString>

inline const QString SettingsSection = QStringLiteral("Settings");
inline const QString ScoresSection = QStringLiteral("Scores"); // the tile-swap table
inline const QString SliderScoresSection = QStringLiteral("SliderScores");
inline const QString ResumeSection = QStringLiteral("Resume"); // the unfinished game kept
