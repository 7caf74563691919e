// Tests of the main window's frame: its fixed shape, and settings loaded and saved.
#include "app/gamestate.h"
#include "app/mainframe.h"
#include "platform/profilestore.h"
#include "platform/programfile.h"
#include "platform/randomengine.h"
#include "testregistry.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void fixedWindowWithoutMaximise()
    {
        QTemporaryDir dir;
        ProfileStore profile(dir.filePath(QStringLiteral("tilewright.ini")));
        RandomEngine random(1);
        GameState state;
        MainFrame frame(state, profile, random, ProgramFile::at(QStringLiteral("/opt/tw/tw")));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Tilewright"));
        QCOMPARE(frame.minimumSize(), MainFrame::StartSize);
        QCOMPARE(frame.maximumSize(), MainFrame::StartSize);
        QCOMPARE(frame.pos(), MainFrame::StartPosition);
        const Qt::WindowFlags flags = frame.windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(state.windowReady);
    }

    void settingsLoadedOnBuildSavedOnClose()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        {
            QSettings seed(path, QSettings::IniFormat);
            seed.setValue(QStringLiteral("Settings/Dimension"), 6);
            seed.setValue(QStringLiteral("Settings/PuzzleMode"), 1);
        }
        ProfileStore profile(path);
        RandomEngine random(1);
        GameState state;
        MainFrame frame(state, profile, random, ProgramFile::at(QStringLiteral("/opt/tw/tw")));
        QCOMPARE(state.dimension, 6);
        QCOMPARE(state.programFolder, QStringLiteral("/opt/tw/"));
        // The first board is dealt for the loaded size and mode.
        QVERIFY(state.board.hasHole());
        QCOMPARE(state.board.holeCol(), 5);

        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        state.grid = 0;
        state.folder = QStringLiteral("/srv/pictures");
        QVERIFY(frame.close());

        const QSettings saved(path, QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("Settings/Grid")).toString(), QStringLiteral("0"));
        QCOMPARE(saved.value(QStringLiteral("Settings/Dimension")).toString(), QStringLiteral("6"));
        QCOMPARE(saved.value(QStringLiteral("Settings/Folder")).toString(),
                 QStringLiteral("/srv/pictures"));
    }
};

TW_REGISTER_TEST(TestMainFrame)
#include "tst_mainframe.moc"
