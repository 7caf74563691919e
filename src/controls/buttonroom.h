// Room in a push button for the texts it shows.
#pragma once

#include <QStringList>

class QPushButton;

// Makes the button at least as wide as its text and the others it may show, with two letters'
// room on each side, so a long translation never touches its edges.
void giveRoomForTexts(QPushButton& button, const QStringList& others = {});
