// Text room: whether a button's text, however long its translation, stays off its edges.
#pragma once

#include <QPushButton>

// Whether the button's text keeps two letters' room from its edges.
inline bool hasRoomForItsText(const QPushButton& button)
{
    return button.width() >= button.fontMetrics().horizontalAdvance(button.text()) +
                                 4 * button.fontMetrics().averageCharWidth();
}
