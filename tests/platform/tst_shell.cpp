// Tests of the desktop shell on Linux: a missing file is said at once, and an opener that
// ends in an error is heard of later; one that succeeds is not.
#include "platform/shell.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestShell : public QObject {
    Q_OBJECT

    QTemporaryDir bin_;
    QByteArray path_;

    // An xdg-open that leaves a mark of what it was given and ends with the code.
    void opener(int code)
    {
        QFile script(QDir(bin_.path()).filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/opened\"\nexit " +
                     QByteArray::number(code) + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

private slots:
    void initTestCase()
    {
        path_ = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin_.path()) + ":" + path_);
    }
    void cleanupTestCase() { qputenv("PATH", path_); }

    void anOpenerThatFailsIsHeardOfLater_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("heard");
        QTest::newRow("shown") << 0 << 0;
        QTest::newRow("no program for it") << 3 << Shell::NoAssociation;
        QTest::newRow("the file went missing") << 2 << Shell::FileNotFound;
    }
    void anOpenerThatFailsIsHeardOfLater()
    {
        QFETCH(int, exitCode);
        QFETCH(int, heard);
        opener(exitCode);
        const QString opened = QDir(bin_.path()).filePath(QStringLiteral("opened"));
        QFile::remove(opened);
        DesktopShell shell;
        int late = 0;
        QCOMPARE(shell.open(QStringLiteral("https://tilewright.example.org/"),
                            [&late](int code) { late = code; }),
                 Shell::Opened);
        QTRY_VERIFY(QFile::exists(opened));
        // The opener's end is heard once its process has gone.
        QTRY_VERIFY(QCoreApplication::instance()->findChildren<QProcess*>().isEmpty());
        QCOMPARE(late, heard);
    }

    void aMissingFileIsSaidAtOnce()
    {
        DesktopShell shell;
        QCOMPARE(shell.open(QDir(bin_.path()).filePath(QStringLiteral("no-such-page.html"))),
                 Shell::FileNotFound);
    }
};

TW_REGISTER_TEST(TestShell)
#include "tst_shell.moc"
