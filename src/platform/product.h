// Product: the game's name, as players see it in titles and as the profile's root key.
#pragma once

#include <QString>

inline const QString ProductName = QStringLiteral("Tilewright");
