// Room in a push button for the texts it shows.
#include "buttonroom.h"

#include <QPushButton>
#include <algorithm>

void giveRoomForTexts(QPushButton& button, const QStringList& others)
{
    const QFontMetrics metrics = button.fontMetrics();
    int widest = metrics.horizontalAdvance(button.text());
    for (const QString& text : others)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    button.setMinimumWidth(button.sizeHint().width() - metrics.horizontalAdvance(button.text()) +
                           widest + 4 * metrics.averageCharWidth());
}
