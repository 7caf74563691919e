// Record scores: enters results on the scoreboard of a settings file, one after the other,
// as a copy of the game does; the score tests run two at once.
// Usage: recordscores SETTINGS_FILE NAME COUNT
#include "platform/profilestore.h"
#include "scores/scoretables.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4)
        return 2;
    ProfileStore profile(arguments[1]);
    const int count = arguments[3].toInt();
    for (int i = 0; i < count; ++i) {
        // Each beats every default row: the largest grid, in a second or two.
        ScoreTables tables;
        if (!tables.record(profile, 0, {arguments[2] + QString::number(i), 10, 1, 1 + i}))
            return 1;
    }
    return 0;
}
