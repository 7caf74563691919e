// Tests of the time texts: the status bar's clock, the congratulations' and the scoreboard's.
#include "scores/timetext.h"
#include "testregistry.h"

#include <QTest>

class TestTimeText : public QObject {
    Q_OBJECT

private slots:
    void timeText_data()
    {
        QTest::addColumn<TimeStyle>("style");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, TimeStyle style, qint64 seconds, const char* text) {
            QTest::newRow(name) << style << seconds << QString::fromLatin1(text);
        };
        row("clock 0", TimeStyle::Clock, 0, "0:00");
        row("clock 599", TimeStyle::Clock, 599, "9:59");
        row("clock 3599", TimeStyle::Clock, 3599, "59:59");
        row("clock 3600", TimeStyle::Clock, 3600, "1:00:00");
        row("clock 10 hours", TimeStyle::Clock, 36000 + 59, "10:00:59");
        row("clock keeps days", TimeStyle::Clock, 90005, "25:00:05");
        row("taken 5", TimeStyle::TimeTaken, 5, "5 secs");
        row("taken 60", TimeStyle::TimeTaken, 60, "1 mins, 0 secs");
        row("taken 65", TimeStyle::TimeTaken, 65, "1 mins, 5 secs");
        row("taken 75", TimeStyle::TimeTaken, 75, "1 mins, 15 secs");
        row("taken 3725", TimeStyle::TimeTaken, 3725, "1 hrs, 2 mins, 5 secs");
        row("taken drops days", TimeStyle::TimeTaken, 90005, "1 hrs, 0 mins, 5 secs");
        row("score 5", TimeStyle::Scoreboard, 5, "05 secs");
        row("score 11", TimeStyle::Scoreboard, 11, "11 secs");
        row("score 1111", TimeStyle::Scoreboard, 1111, "18 mins 31 secs");
        row("score 1200", TimeStyle::Scoreboard, 1200, "20 mins 00 secs");
        row("score 1754", TimeStyle::Scoreboard, 1754, "29 mins 14 secs");
        row("score 3725", TimeStyle::Scoreboard, 3725, "01 hrs 02 mins 05 secs");
        row("score of a missing row", TimeStyle::Scoreboard, -1000, "-40 secs");
    }

    void timeText()
    {
        QFETCH(TimeStyle, style);
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(::timeText(seconds, style), text);
    }
};

TW_REGISTER_TEST(TestTimeText)
#include "tst_timetext.moc"
