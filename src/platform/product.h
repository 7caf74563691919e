// Product: the game's name and version, its web page and its help page.
#pragma once

#include <QString>

inline const QString ProductName = QStringLiteral("Tilewright");
// The project's version, as the build configures it.
inline const QString ProductVersion = QStringLiteral(TW_VERSION);
inline const QString DesktopFileName = QStringLiteral("org.example.tilewright");
inline const QString ProductHomePage = QStringLiteral("https://tilewright.example.org/");
// The players' help page, installed beside the program.
inline const QString HelpPageName = QStringLiteral("Tilewright.html");
